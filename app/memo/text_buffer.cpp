#include "app/memo/text_buffer.h"

#include <algorithm>
#include <cstring>

namespace difonik::memo {
namespace {

// Room kept free after a growth: enough that typing and small pastes rarely grow the buffer
// again, small against the text so that a large text does not double its memory.
std::size_t spareRoom(std::size_t contentLength) {
    return std::max<std::size_t>(4096, contentLength / 64);
}

}  // namespace

std::string_view TextBuffer::view() const {
    moveGap(size());
    return {bytes().data(), size()};
}

std::shared_ptr<const std::string> TextBuffer::lend() const {
    moveGap(size());
    return buffer_;
}

std::string_view TextBuffer::window(std::size_t position, std::size_t length,
                                    std::string& scratch) const {
    const char* data = bytes().data();
    if (position + length <= gapStart_) return {data + position, length};
    if (position >= gapStart_) return {data + position + gapLength_, length};
    scratch = copy(position, length);
    return scratch;
}

std::string TextBuffer::copy(std::size_t position, std::size_t length) const {
    std::string result(length, '\0');
    const char* data = bytes().data();
    const std::size_t before = position < gapStart_ ? std::min(length, gapStart_ - position) : 0;
    if (before > 0) std::memcpy(result.data(), data + position, before);
    if (length > before) {
        const std::size_t from = position + before + gapLength_;
        std::memcpy(result.data() + before, data + from, length - before);
    }
    return result;
}

void TextBuffer::assign(std::string text) {
    // A lent buffer stays with its borrower as it is; the new text gets a buffer of its own.
    if (lent()) buffer_ = std::make_shared<std::string>();
    bytes() = std::move(text);
    gapStart_ = bytes().size();
    gapLength_ = 0;
}

void TextBuffer::replace(std::size_t position, std::size_t removed, std::string_view inserted) {
    if (lent()) reallocate(inserted.size() > removed ? inserted.size() - removed : 0);
    if (inserted.size() > removed) makeRoom(inserted.size() - removed);
    moveGap(position);
    gapLength_ += removed;
    std::memcpy(bytes().data() + gapStart_, inserted.data(), inserted.size());
    gapStart_ += inserted.size();
    gapLength_ -= inserted.size();
}

void TextBuffer::moveGap(std::size_t position) const {
    if (position == gapStart_) return;
    char* data = bytes().data();
    if (position < gapStart_) {
        std::memmove(data + position + gapLength_, data + position, gapStart_ - position);
    } else {
        std::memmove(data + gapStart_, data + gapStart_ + gapLength_, position - gapStart_);
    }
    gapStart_ = position;
}

void TextBuffer::makeRoom(std::size_t length) {
    if (gapLength_ >= length) return;
    const std::size_t content = size();
    moveGap(content);
    if (content + length <= bytes().capacity()) {
        // The string came with spare capacity (a loaded text usually does): use it, no copy.
        bytes().resize(std::min(content + length + spareRoom(content + length), bytes().capacity()));
        gapLength_ = bytes().size() - content;
    } else {
        reallocate(length);
    }
}

// Copies the text into a buffer of its own with at least `room` bytes of gap at the end: allocated
// exactly, rather than let std::string double a large text. The old buffer stays with whoever
// holds it. Throws std::bad_alloc, and then nothing has changed.
void TextBuffer::reallocate(std::size_t room) {
    const std::size_t content = size();
    const std::size_t wanted = content + room + spareRoom(content + room);
    auto grown = std::make_shared<std::string>();
    grown->reserve(wanted);
    grown->append(bytes().data(), gapStart_);
    grown->append(bytes().data() + gapStart_ + gapLength_, content - gapStart_);
    grown->resize(wanted);
    buffer_ = std::move(grown);
    gapStart_ = content;
    gapLength_ = wanted - content;
}

}  // namespace difonik::memo
