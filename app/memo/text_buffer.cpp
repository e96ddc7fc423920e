#include "app/memo/text_buffer.h"

#include <algorithm>
#include <cstring>
#include <utility>

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
    std::string result;
    result.reserve(length);
    appendText(result, position, position + length);
    return result;
}

void TextBuffer::assign(std::string text) {
    // A lent buffer stays with its borrower as it is; the new text gets a buffer of its own.
    if (lent()) buffer_ = std::make_shared<std::string>();
    formerlyLent_.reset();
    bytes() = std::move(text);
    gapStart_ = bytes().size();
    gapLength_ = 0;
}

void TextBuffer::replace(std::size_t position, std::size_t removed, std::string_view inserted) {
    const std::size_t growth = inserted.size() > removed ? inserted.size() - removed : 0;
    if (lent() || (gapLength_ < growth && size() + growth > bytes().capacity())) {
        reallocate(growth, position);
    } else if (gapLength_ < growth) {
        growInPlace(growth);
    }
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

// The string came with spare capacity (a loaded text usually does): the gap grows into it, with
// no copy of the text.
void TextBuffer::growInPlace(std::size_t length) {
    const std::size_t content = size();
    moveGap(content);
    bytes().resize(std::min(content + length + spareRoom(content + length), bytes().capacity()));
    gapLength_ = bytes().size() - content;
}

// Copies the text into a buffer of its own, allocated exactly rather than let std::string double
// a large text, with a gap of at least `room` bytes at `gapAt`, where the edit goes: so the text
// is moved once, not copied and then moved to open the gap. The old buffer stays with whoever
// holds it. Throws std::bad_alloc, and then nothing has changed.
void TextBuffer::reallocate(std::size_t room, std::size_t gapAt) {
    const std::size_t content = size();
    const std::size_t wanted = content + room + spareRoom(content + room);
    std::shared_ptr<std::string> grown = emptyBuffer(wanted);
    appendText(*grown, 0, gapAt);
    grown->append(wanted - content, '\0');
    appendText(*grown, gapAt, content);
    if (lent()) formerlyLent_ = std::move(buffer_);
    buffer_ = std::move(grown);
    gapStart_ = gapAt;
    gapLength_ = wanted - content;
}

// The formerly lent buffer when nobody else holds it and its size suits, else a new one.
std::shared_ptr<std::string> TextBuffer::emptyBuffer(std::size_t capacity) {
    if (formerlyLent_ && formerlyLent_.use_count() == 1) {
        std::shared_ptr<std::string> former = std::exchange(formerlyLent_, nullptr);
        // Not one much larger than the text now is, which would keep idle memory.
        if (former->capacity() >= capacity && former->capacity() / 2 <= capacity) {
            former->clear();
            return former;
        }
    }
    auto buffer = std::make_shared<std::string>();
    buffer->reserve(capacity);
    return buffer;
}

void TextBuffer::appendText(std::string& out, std::size_t from, std::size_t to) const {
    const char* data = bytes().data();
    if (from < gapStart_) {
        const std::size_t beforeGap = std::min(to, gapStart_);
        out.append(data + from, beforeGap - from);
        from = beforeGap;
    }
    if (from < to) out.append(data + from + gapLength_, to - from);
}

}  // namespace difonik::memo
