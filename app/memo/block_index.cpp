#include "app/memo/block_index.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

namespace difonik::memo {
namespace {

std::size_t windowLength(std::size_t start, std::size_t textSize) {
    return std::min(BlockIndex::kLongLine + 1, textSize - start);
}

// Appends the starts of the blocks from `start` on until the text ends, or until a block start
// past the change meets a start of the old index: from there on the blocks are the old ones.
// Returns the index in `old` of that start, or old.size() when the text ended first.
std::size_t chunk(const TextBuffer& text, std::size_t start, std::size_t changeEnd,
                  std::ptrdiff_t shift, const std::vector<std::uint32_t>& old,
                  std::size_t searchFrom, std::vector<std::uint32_t>& out) {
    std::string scratch;
    for (;;) {
        if (start >= changeEnd) {
            const auto oldStart = static_cast<std::int64_t>(start) - shift;
            const auto it = std::lower_bound(old.begin() + searchFrom, old.end(), oldStart);
            if (it != old.end() && *it == oldStart) return std::size_t(it - old.begin());
        }
        out.push_back(static_cast<std::uint32_t>(start));
        const std::size_t length = windowLength(start, text.size());
        const std::string_view window = text.window(start, length, scratch);
        const std::size_t end = blockEnd(start, window, start + length == text.size());
        const bool lastBlock = end == text.size() && (end == start || text.at(end - 1) != '\n');
        if (lastBlock) return old.size();
        start = end;
    }
}

}  // namespace

std::size_t blockEnd(std::size_t start, std::string_view window, bool reachesEnd) {
    const std::size_t lineFeed = window.find('\n');
    if (lineFeed != std::string_view::npos) return start + lineFeed + 1;
    if (reachesEnd && window.size() <= BlockIndex::kLongLine) return start + window.size();
    // A line too long for one block: cut it after its last space within the limit, the place
    // where word wrap would break it anyway, or at the limit where there is no space.
    const std::size_t space = window.substr(0, BlockIndex::kLongLine).rfind(' ');
    return start + (space == std::string_view::npos ? BlockIndex::kLongLine : space + 1);
}

BlockIndex BlockIndex::of(std::string_view text) {
    BlockIndex index;
    index.starts_.clear();
    index.starts_.reserve(text.size() / 64 + 1);
    std::size_t start = 0;
    for (;;) {
        index.starts_.push_back(static_cast<std::uint32_t>(start));
        const std::size_t length = windowLength(start, text.size());
        const std::size_t end = blockEnd(start, text.substr(start, length), start + length == text.size());
        if (end == text.size() && (end == start || text[end - 1] != '\n')) break;
        start = end;
    }
    return index;
}

BlockIndex::Change BlockIndex::update(const TextBuffer& text, std::size_t position,
                                      std::size_t removed, std::size_t inserted) {
    // A block depends only on the kLongLine + 1 bytes from its start. The block before the one
    // that holds the change may therefore reach into it; the one before that cannot, since the
    // cut that ended it left no space (or no room) up to the next block's start.
    const std::size_t held = blockAt(position);
    const std::size_t first = held > 0 ? held - 1 : 0;
    const auto shift = static_cast<std::ptrdiff_t>(inserted) - static_cast<std::ptrdiff_t>(removed);

    std::vector<std::uint32_t> fresh;
    const std::size_t resumeAt =
        chunk(text, starts_[first], position + inserted, shift, starts_, first + 1, fresh);

    // Reserving first is the only step that can fail; after it the splice cannot. Grow by a part
    // of the whole, so that a run of Enter presses does not copy the index each time.
    const std::size_t needed = starts_.size() - (resumeAt - first) + fresh.size();
    if (needed > starts_.capacity()) starts_.reserve(std::max(needed, starts_.size() + starts_.size() / 8));
    const auto begin = starts_.begin();
    for (auto it = begin + std::ptrdiff_t(resumeAt); it != starts_.end(); ++it) {
        *it = static_cast<std::uint32_t>(std::ptrdiff_t(*it) + shift);
    }
    const auto gap = starts_.erase(begin + std::ptrdiff_t(first), begin + std::ptrdiff_t(resumeAt));
    starts_.insert(gap, fresh.begin(), fresh.end());
    return {first, resumeAt, first + fresh.size()};
}

std::size_t BlockIndex::blockAt(std::size_t position) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
    return std::size_t(std::distance(starts_.begin(), after)) - 1;
}

bool endsWithLineBreak(const BlockIndex& index, std::size_t block, const TextBuffer& text) {
    // A cut never falls right after an LF, and every LF follows a CR.
    return block + 1 < index.count() && text.at(index.start(block + 1) - 1) == '\n';
}

std::size_t contentEnd(const BlockIndex& index, std::size_t block, const TextBuffer& text) {
    const std::size_t end = index.end(block, text);
    return endsWithLineBreak(index, block, text) ? end - 2 : end;
}

}  // namespace difonik::memo
