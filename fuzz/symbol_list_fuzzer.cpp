// The symbol list under any sequence of adds, finds, ticks and deletions, against a model that is
// plainly right: a vector kept in key order by linear search, whose membership is a linear scan
// with the code page's case-insensitive equality. A view mirrors the list through the observer
// calls alone and must stay equal to it.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/collation.h"
#include "analysis/cp1250.h"
#include "analysis/symbol_list.h"
#include "fuzz_check.h"

namespace {

using difonik::SymbolList;

const difonik::Collation& polish() {
    static const difonik::Collation collation("pl_PL");
    return collation;
}

// Past this the model's linear work would slow the target more than it finds.
constexpr int kMaxEntries = 600;

struct ModelEntry {
    std::string text;
    std::string key;
    bool ticked = false;
};

class Model {
public:
    // After the entries whose key is not above the new one, as the list places it.
    int add(const std::string& text) {
        ModelEntry entry{text, polish().key(text), false};
        std::size_t at = 0;
        while (at < entries.size() && !(entry.key < entries[at].key)) ++at;
        entries.insert(entries.begin() + std::ptrdiff_t(at), std::move(entry));
        return int(at);
    }
    int findExact(const std::string& text) const {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (difonik::cp1250::equalIgnoringCase(entries[i].text, text)) return int(i);
        return -1;
    }
    std::vector<ModelEntry> entries;
};

// Rebuilds the list's content from nothing but the observer calls, as a view would.
class MirrorView : public difonik::ListObserver {
public:
    explicit MirrorView(const SymbolList& list) : list_(list) {}
    void beginInsert(int index) override { begin(index, Change::insert); }
    void endInsert() override {
        FUZZ_CHECK(pending_ == Change::insert);
        texts.insert(texts.begin() + pendingIndex_, list_.get(pendingIndex_));
        pending_ = Change::none;
    }
    void beginRemove(int index) override {
        begin(index, Change::remove);
        FUZZ_CHECK(index < int(texts.size()) && list_.get(index) == texts[std::size_t(index)]);
    }
    void endRemove() override {
        FUZZ_CHECK(pending_ == Change::remove);
        texts.erase(texts.begin() + pendingIndex_);
        pending_ = Change::none;
    }
    std::vector<std::string> texts;

private:
    enum class Change { none, insert, remove };
    void begin(int index, Change change) {
        FUZZ_CHECK(pending_ == Change::none);
        FUZZ_CHECK(list_.count() == int(texts.size()));  // told before the change
        FUZZ_CHECK(index >= 0 && index <= int(texts.size()));
        pending_ = change;
        pendingIndex_ = index;
    }
    const SymbolList& list_;
    Change pending_ = Change::none;
    int pendingIndex_ = 0;
};

// The other case form of every letter byte, where the code page has one.
std::string otherCase(const std::string& text, std::uint32_t mask) {
    static const auto capitals = [] {
        std::array<unsigned char, 256> table{};
        for (int byte = 0; byte < 256; ++byte) table[byte] = static_cast<unsigned char>(byte);
        for (int byte = 0; byte < 256; ++byte) {
            const unsigned char small = difonik::cp1250::fold(static_cast<unsigned char>(byte));
            if (small != byte) table[small] = static_cast<unsigned char>(byte);
        }
        return table;
    }();
    std::string result = text;
    for (std::size_t i = 0; i < result.size(); ++i) {
        if ((mask >> (i % 32) & 1) == 0) continue;
        const auto byte = static_cast<unsigned char>(result[i]);
        const unsigned char small = difonik::cp1250::fold(byte);
        result[i] = static_cast<char>(small != byte ? small : capitals[byte]);
    }
    return result;
}

class Session {
public:
    explicit Session(FuzzedDataProvider& data) : data_(data), list_(polish()), view_(list_) {
        list_.setObserver(&view_);
    }

    void run() {
        while (data_.remaining_bytes() > 0) {
            step();
            checkSameAsModel();
        }
    }

private:
    enum class Operation { add, find, findOtherCase, remove, tick, read, addMany, removeTicked, badIndex, count };

    void step() {
        switch (Operation(data_.ConsumeIntegralInRange<int>(0, int(Operation::count) - 1))) {
            case Operation::add: addOne(data_.ConsumeRandomLengthString(12)); break;
            case Operation::find: find(data_.ConsumeRandomLengthString(12)); break;
            case Operation::findOtherCase:
                if (!model_.entries.empty()) find(otherCase(model_.entries[pick()].text, data_.ConsumeIntegral<std::uint32_t>()));
                break;
            case Operation::remove:
                if (!model_.entries.empty()) removeAt(int(pick()));
                break;
            case Operation::tick:
                if (!model_.entries.empty()) setTicked(pick(), data_.ConsumeBool());
                break;
            case Operation::read:
                if (!model_.entries.empty()) readAt(pick());
                break;
            case Operation::addMany: addMany(); break;
            case Operation::removeTicked: removeTickedEntries(); break;
            case Operation::badIndex: checkBadIndexes(); break;
            case Operation::count: break;
        }
    }

    std::size_t pick() { return data_.ConsumeIntegralInRange<std::size_t>(0, model_.entries.size() - 1); }

    void addOne(const std::string& text) {
        if (list_.count() >= kMaxEntries) return;
        FUZZ_CHECK(list_.add(text) == model_.add(text));
    }

    // Many entries from a few bytes, so the list grows past its block size: the texts are a stem
    // and the digits of a counter in an alphabet of letters of both cases, breaks and spaces.
    void addMany() {
        static constexpr char kDigits[] = {'a', 'A', '\xB3', '\xA3', ' ', '\r', '\n', '1', 'z', '\xB9', '\xA5', '.'};
        const std::string stem = data_.ConsumeRandomLengthString(4);
        const int how_many = data_.ConsumeIntegralInRange<int>(1, 300);
        for (int n = 0; n < how_many; ++n) {
            std::string text = stem;
            for (int rest = n; rest > 0; rest /= int(sizeof kDigits)) text += kDigits[rest % sizeof kDigits];
            addOne(text);
        }
    }

    void find(const std::string& text) {
        FUZZ_CHECK(list_.findExact(text) == model_.findExact(text));
        FUZZ_CHECK(list_.contains(text) == (model_.findExact(text) >= 0));
    }

    void removeAt(int index) {
        list_.remove(index);
        model_.entries.erase(model_.entries.begin() + index);
    }

    void setTicked(std::size_t index, bool ticked) {
        list_.setTicked(int(index), ticked);
        model_.entries[index].ticked = ticked;
    }

    void readAt(std::size_t index) {
        FUZZ_CHECK(list_.get(int(index)) == model_.entries[index].text);
        FUZZ_CHECK(list_.ticked(int(index)) == model_.entries[index].ticked);
    }

    // What the remove button does: every ticked entry, from the last to the first.
    void removeTickedEntries() {
        for (int index = list_.count() - 1; index >= 0; --index)
            if (list_.ticked(index)) removeAt(index);
    }

    // An index outside the list is refused and changes nothing.
    void checkBadIndexes() {
        for (const int index : {-1, list_.count(), list_.count() + 1}) {
            FUZZ_CHECK(throwsOutOfRange([&] { (void)list_.get(index); }));
            FUZZ_CHECK(throwsOutOfRange([&] { (void)list_.ticked(index); }));
            FUZZ_CHECK(throwsOutOfRange([&] { list_.setTicked(index, true); }));
            FUZZ_CHECK(throwsOutOfRange([&] { list_.remove(index); }));
        }
    }

    template <class F>
    static bool throwsOutOfRange(F&& f) {
        try {
            f();
        } catch (const std::out_of_range&) {
            return true;
        }
        return false;
    }

    void checkSameAsModel() const {
        FUZZ_CHECK(list_.count() == int(model_.entries.size()));
        FUZZ_CHECK(view_.texts.size() == model_.entries.size());
        std::size_t index = 0;
        list_.forEach([&](const std::string& text, bool ticked) {
            FUZZ_CHECK(text == model_.entries[index].text);
            FUZZ_CHECK(ticked == model_.entries[index].ticked);
            FUZZ_CHECK(view_.texts[index] == text);
            ++index;
        });
        FUZZ_CHECK(index == model_.entries.size());
    }

    FuzzedDataProvider& data_;
    SymbolList list_;
    MirrorView view_;
    Model model_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    Session(provider).run();
    return 0;
}
