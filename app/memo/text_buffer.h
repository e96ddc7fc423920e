#pragma once
// The memo's bytes, held in a gap buffer: typing at one place moves no more than the typed bytes,
// and the whole text can still be handed out as one contiguous view, or lent without a copy.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace difonik::memo {

class TextBuffer {
public:
    std::size_t size() const { return buffer_->size() - gapLength_; }
    char at(std::size_t position) const {
        return (*buffer_)[position < gapStart_ ? position : position + gapLength_];
    }

    // The whole text without a copy. Closes the gap (moves it to the end) when it lies inside the
    // text; the view stays valid until the next replace() or assign().
    std::string_view view() const;

    // `length` bytes from `position`, straight from the buffer when they do not straddle the gap,
    // otherwise copied into `scratch`. Valid until the next change of the buffer or of `scratch`.
    std::string_view window(std::size_t position, std::size_t length, std::string& scratch) const;
    std::string copy(std::size_t position, std::size_t length) const;

    // The whole text as a string whose first size() bytes it is, kept unchanged for as long as
    // the borrower holds it: the buffer's next change first copies the text into a buffer of
    // its own. So a pass can take its snapshot of a long text without copying it.
    std::shared_ptr<const std::string> lend() const;

    // Takes the bytes over without copying them; the string's spare capacity becomes room to grow.
    // Throws std::bad_alloc, and then the text is unchanged.
    void assign(std::string bytes);

    // Replaces `removed` bytes at `position` by `inserted`. Throws std::bad_alloc when the buffer
    // cannot grow, and then the text is unchanged.
    void replace(std::size_t position, std::size_t removed, std::string_view inserted);

private:
    bool lent() const { return buffer_.use_count() > 1; }
    void moveGap(std::size_t position) const;
    void growInPlace(std::size_t length);
    void reallocate(std::size_t room, std::size_t gapAt);
    std::shared_ptr<std::string> emptyBuffer(std::size_t capacity);
    // Appends the text's bytes [from, to) to `out`.
    void appendText(std::string& out, std::size_t from, std::size_t to) const;
    std::string& bytes() const { return *buffer_; }

    // Text before the gap, the gap, text after the gap. Moving the gap changes no byte of the
    // text, so the const accessors may do it; while the buffer is lent the gap stays at the end.
    std::shared_ptr<std::string> buffer_ = std::make_shared<std::string>();
    mutable std::size_t gapStart_ = 0;
    std::size_t gapLength_ = 0;
    // The buffer lent before the current one. Once its borrower has let go of it, the next copy
    // of the text goes into it: memory that is there already takes a long text far faster than
    // fresh memory, which the system hands out page by page.
    std::shared_ptr<std::string> formerlyLent_;
};

}  // namespace difonik::memo
