#pragma once
// Where the memo's display blocks start. A block is one line of the text up to and with its CR LF;
// a line longer than kLongLine is cut into blocks of at most that length (after a space where there
// is one), so that no block costs much to lay out however long its line is.

#include "app/memo/text_buffer.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace difonik::memo {

class BlockIndex {
public:
    static constexpr std::size_t kLongLine = 4096;

    // Blocks [first, oldEnd) of the index before a change became [first, newEnd); the blocks
    // after them are the same blocks, renumbered.
    struct Change {
        std::size_t first;
        std::size_t oldEnd;
        std::size_t newEnd;
    };

    BlockIndex() : starts_{0} {}

    // One pass over a contiguous text. Throws std::bad_alloc; the text must fit 32-bit offsets.
    static BlockIndex of(std::string_view text);

    // Brings the index up to date after `removed` bytes at `position` became `inserted` bytes;
    // `text` is the text after the change. Throws std::bad_alloc, leaving the index unchanged.
    Change update(const TextBuffer& text, std::size_t position, std::size_t removed,
                  std::size_t inserted);

    std::size_t count() const { return starts_.size(); }
    std::size_t start(std::size_t block) const { return starts_[block]; }
    // Where the next block starts, or the text's length for the last block.
    std::size_t end(std::size_t block, const TextBuffer& text) const {
        return block + 1 < starts_.size() ? starts_[block + 1] : text.size();
    }
    // The block whose bytes hold `position`; a position between two blocks belongs to the second.
    std::size_t blockAt(std::size_t position) const;

    bool operator==(const BlockIndex&) const = default;

private:
    std::vector<std::uint32_t> starts_;
};

// The end of the block that starts at `start`. `window` holds the text's bytes from `start`,
// kLongLine + 1 of them or all that are left; `reachesEnd` says whether it holds the rest.
std::size_t blockEnd(std::size_t start, std::string_view window, bool reachesEnd);

// A block that ends with the line's CR LF rather than at a cut in a long line or the text's end.
bool endsWithLineBreak(const BlockIndex& index, std::size_t block, const TextBuffer& text);

// Where the block's text ends: before its CR LF, if it has one.
std::size_t contentEnd(const BlockIndex& index, std::size_t block, const TextBuffer& text);

}  // namespace difonik::memo
