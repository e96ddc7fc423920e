#include "analysis/symbol_list.h"

#include <algorithm>
#include <climits>
#include <new>
#include <stdexcept>

#include "analysis/cp1250.h"
#include "analysis/errors.h"

namespace difonik {
namespace {

// Blocks split in two when they pass this size, so an insertion moves at most this many entries.
constexpr std::size_t kMaxBlockSize = 256;

}  // namespace

SymbolList::SymbolList(const Collation& collation) : collation_(&collation) {}

int SymbolList::add(std::string_view text) {
    if (count_ == INT_MAX) throw EOutOfResources();
    try {
        Entry entry{std::string(text), collation_->key(text), false};
        Place place = upperBound(entry.key);
        if (blocks_.empty()) blocks_.emplace_back();
        // Make room first, so that nothing can fail between telling the observer and finishing.
        auto& entries = blocks_[place.block].entries;
        if (entries.size() == entries.capacity()) entries.reserve(std::max<std::size_t>(8, 2 * entries.size()));
        insertAt(place, std::move(entry));
        const int index = indexOf(place);
        splitIfFull(place.block);
        return index;
    } catch (const std::bad_alloc&) {
        throw EOutOfResources();
    } catch (const std::length_error&) {
        throw EOutOfResources();
    }
}

void SymbolList::insertAt(Place place, Entry entry) {
    const int index = indexOf(place);
    if (observer_ != nullptr) observer_->beginInsert(index);
    auto& entries = blocks_[place.block].entries;
    entries.insert(entries.begin() + std::ptrdiff_t(place.offset), std::move(entry));
    shiftStartsAfter(place.block, +1);
    ++count_;
    if (observer_ != nullptr) observer_->endInsert();
}

int SymbolList::findExact(std::string_view text) const {
    if (count_ == 0) return -1;
    const std::string key = collation_->key(text);
    const Place place = lowerBound(key);
    const auto& entries = blocks_[place.block].entries;
    if (place.offset == entries.size() || entries[place.offset].key != key) return -1;
    return indexOf(place);
}

const std::string& SymbolList::get(int index) const {
    const Place place = placeOf(index);
    return blocks_[place.block].entries[place.offset].text;
}

bool SymbolList::ticked(int index) const {
    const Place place = placeOf(index);
    return blocks_[place.block].entries[place.offset].ticked;
}

void SymbolList::setTicked(int index, bool ticked) {
    const Place place = placeOf(index);
    blocks_[place.block].entries[place.offset].ticked = ticked;
}

void SymbolList::remove(int index) {
    const Place place = placeOf(index);
    if (observer_ != nullptr) observer_->beginRemove(index);
    auto& entries = blocks_[place.block].entries;
    entries.erase(entries.begin() + std::ptrdiff_t(place.offset));
    shiftStartsAfter(place.block, -1);
    if (entries.empty()) blocks_.erase(blocks_.begin() + std::ptrdiff_t(place.block));
    --count_;
    if (observer_ != nullptr) observer_->endRemove();
}

SymbolList::Place SymbolList::placeOf(int index) const {
    if (index < 0 || index >= count_) throw std::out_of_range("symbol list index out of range");
    const auto after = std::upper_bound(blocks_.begin(), blocks_.end(), index,
                                        [](int i, const Block& block) { return i < block.start; });
    const auto block = std::size_t(after - blocks_.begin()) - 1;
    return {block, std::size_t(index - blocks_[block].start)};
}

// The first place whose key is not below `key`; the end of the last block when there is none.
SymbolList::Place SymbolList::lowerBound(const std::string& key) const {
    if (blocks_.empty()) return {0, 0};
    const auto block = std::partition_point(blocks_.begin(), blocks_.end() - 1,
                                            [&](const Block& b) { return b.entries.back().key < key; });
    const auto& entries = block->entries;
    const auto at = std::partition_point(entries.begin(), entries.end(),
                                         [&](const Entry& e) { return e.key < key; });
    return {std::size_t(block - blocks_.begin()), std::size_t(at - entries.begin())};
}

// The first place whose key is above `key`; the end of the last block when there is none.
SymbolList::Place SymbolList::upperBound(const std::string& key) const {
    if (blocks_.empty()) return {0, 0};
    const auto block = std::partition_point(blocks_.begin(), blocks_.end() - 1,
                                            [&](const Block& b) { return !(key < b.entries.back().key); });
    const auto& entries = block->entries;
    const auto at = std::partition_point(entries.begin(), entries.end(),
                                         [&](const Entry& e) { return !(key < e.key); });
    return {std::size_t(block - blocks_.begin()), std::size_t(at - entries.begin())};
}

// Splitting is an optimisation: when memory runs out, the block just stays larger for now.
void SymbolList::splitIfFull(std::size_t block) noexcept {
    if (blocks_[block].entries.size() <= kMaxBlockSize) return;
    try {
        splitBlock(block);
    } catch (const std::bad_alloc&) {
    }
}

void SymbolList::splitBlock(std::size_t block) {
    blocks_.reserve(blocks_.size() + 1);  // so that the insertion below cannot fail half-way
    auto& full = blocks_[block].entries;
    const std::size_t half = full.size() / 2;
    Block upper;
    upper.entries.assign(std::make_move_iterator(full.begin() + std::ptrdiff_t(half)),
                         std::make_move_iterator(full.end()));
    upper.start = blocks_[block].start + int(half);
    full.erase(full.begin() + std::ptrdiff_t(half), full.end());
    blocks_.insert(blocks_.begin() + std::ptrdiff_t(block) + 1, std::move(upper));
}

void SymbolList::shiftStartsAfter(std::size_t block, int delta) {
    for (std::size_t b = block + 1; b < blocks_.size(); ++b) blocks_[b].start += delta;
}

}  // namespace difonik
