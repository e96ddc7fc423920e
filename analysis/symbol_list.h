#pragma once
// A sorted list of texts with a check mark per entry: the alphabet and the connection list.
// Entries are compared without regard to case (cp1250::equalIgnoringCase) and kept in the order
// of their Collation keys. Duplicates are accepted.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/collation.h"
#include "analysis/list_observer.h"

namespace difonik {

class SymbolList {
public:
    explicit SymbolList(const Collation& collation = Collation::forUserLocale());

    // Inserts the text at its sorted place (after the entries equal to it), check mark clear, and
    // returns its index. Throws EOutOfResources when the list cannot take the entry.
    int add(std::string_view text);

    // Index of the first entry equal to the text, or -1.
    int findExact(std::string_view text) const;
    bool contains(std::string_view text) const { return findExact(text) >= 0; }

    int count() const { return count_; }
    const std::string& get(int index) const;
    void remove(int index);

    bool ticked(int index) const;
    void setTicked(int index, bool ticked);

    // At most one observer; nullptr detaches it.
    void setObserver(ListObserver* observer) { observer_ = observer; }

    // Calls f(text, ticked) for every entry in list order.
    template <class F>
    void forEach(F&& f) const {
        for (const Block& block : blocks_)
            for (const Entry& entry : block.entries) f(entry.text, entry.ticked);
    }

private:
    struct Entry {
        std::string text;
        std::string key;
        bool ticked = false;
    };
    // The entries live in blocks of bounded size, so that an insertion or a deletion moves a few
    // hundred entries at most, whatever the length of the list.
    struct Block {
        std::vector<Entry> entries;
        int start = 0;  // index of the block's first entry in the whole list
    };
    struct Place {
        std::size_t block;
        std::size_t offset;
    };

    Place placeOf(int index) const;
    Place lowerBound(const std::string& key) const;
    Place upperBound(const std::string& key) const;
    void insertAt(Place place, Entry entry);
    void splitIfFull(std::size_t block) noexcept;
    void splitBlock(std::size_t block);
    void shiftStartsAfter(std::size_t block, int delta);
    int indexOf(Place place) const { return blocks_[place.block].start + int(place.offset); }

    const Collation* collation_;
    std::vector<Block> blocks_;
    int count_ = 0;
    ListObserver* observer_ = nullptr;
};

}  // namespace difonik
