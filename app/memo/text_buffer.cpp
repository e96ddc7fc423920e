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
    return {buffer_.data(), size()};
}

std::string_view TextBuffer::window(std::size_t position, std::size_t length,
                                    std::string& scratch) const {
    const char* data = buffer_.data();
    if (position + length <= gapStart_) return {data + position, length};
    if (position >= gapStart_) return {data + position + gapLength_, length};
    scratch = copy(position, length);
    return scratch;
}

std::string TextBuffer::copy(std::size_t position, std::size_t length) const {
    std::string result(length, '\0');
    const std::size_t before = position < gapStart_ ? std::min(length, gapStart_ - position) : 0;
    if (before > 0) std::memcpy(result.data(), buffer_.data() + position, before);
    if (length > before) {
        const std::size_t from = position + before + gapLength_;
        std::memcpy(result.data() + before, buffer_.data() + from, length - before);
    }
    return result;
}

void TextBuffer::assign(std::string bytes) noexcept {
    buffer_ = std::move(bytes);
    gapStart_ = buffer_.size();
    gapLength_ = 0;
}

void TextBuffer::replace(std::size_t position, std::size_t removed, std::string_view inserted) {
    if (inserted.size() > removed) makeRoom(inserted.size() - removed);
    moveGap(position);
    gapLength_ += removed;
    std::memcpy(buffer_.data() + gapStart_, inserted.data(), inserted.size());
    gapStart_ += inserted.size();
    gapLength_ -= inserted.size();
}

void TextBuffer::moveGap(std::size_t position) const {
    if (position == gapStart_) return;
    char* data = buffer_.data();
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
    const std::size_t wanted = content + length + spareRoom(content + length);
    if (content + length <= buffer_.capacity()) {
        // The string came with spare capacity (a loaded text usually does): use it, no copy.
        buffer_.resize(std::min(wanted, buffer_.capacity()));
    } else {
        // Allocate exactly, rather than let std::string double a large text.
        std::string grown;
        grown.reserve(wanted);
        grown.append(buffer_.data(), content);
        grown.resize(wanted);
        buffer_.swap(grown);
    }
    gapLength_ = buffer_.size() - content;
}

}  // namespace difonik::memo
