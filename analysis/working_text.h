#pragma once
// The working text `tekst`: the snapshot of the text area that each pass takes, read character by
// character through `znak_tekstu`.

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace difonik {

// Bytes that nobody changes while they are held: `owner` keeps them alive, `bytes` shows them.
struct SharedText {
    std::shared_ptr<const void> owner;
    std::string_view bytes;
};

// Where a pass takes its snapshot from: the whole text, Windows-1250, lines separated by CR LF.
class TextSource {
public:
    virtual ~TextSource() = default;
    // Valid until the source changes; the snapshot copies it at once.
    virtual std::string_view text() const = 0;
    // The same bytes, lent for as long as the borrower likes: a source that can promise never to
    // change them (it copies them first when it changes) spares a snapshot the copy of a long
    // text. Nothing when it cannot.
    virtual std::optional<SharedText> lendText() const { return std::nullopt; }
};

// The program-wide working text: its own copy of a text, or bytes lent by the text source.
// Either way it reads as one string that only a new snapshot or an assignment changes.
class WorkingText {
public:
    WorkingText() = default;
    WorkingText(const WorkingText&) = delete;
    WorkingText& operator=(const WorkingText&) = delete;

    // Copies the text; reuses the capacity of an earlier copy where it suffices.
    void assign(std::string_view text);
    WorkingText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    // Holds the lent bytes instead of a copy, and lets go of an earlier copy.
    void share(SharedText lent) noexcept;
    void clear() noexcept;

    const char* data() const { return view_.data(); }
    std::size_t size() const { return view_.size(); }
    bool empty() const { return view_.empty(); }
    char operator[](std::size_t index) const { return view_[index]; }
    std::string_view view() const { return view_; }
    operator std::string_view() const { return view_; }
    // A copy, for whoever needs a string of its own.
    operator std::string() const { return std::string(view_); }

    friend bool operator==(const WorkingText& text, std::string_view other) { return text.view_ == other; }
    friend std::ostream& operator<<(std::ostream& out, const WorkingText& text);

private:
    std::string own_;
    std::shared_ptr<const void> lender_;
    std::string_view view_;
};

extern WorkingText tekst;

// tekst := the whole current content of the source: its lent bytes where it lends them, a copy
// otherwise.
void snapshot(const TextSource& source);

// Only the capitals A-Z become small; every other byte, Polish capitals included, stays itself.
constexpr unsigned char lowerAscii(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

// The lower-cased character of `tekst` at a 1-based position, as a one-character text.
// Throws ERangeError for a position outside 1..length.
std::string znak_tekstu(std::int32_t position);

// Only the one-character text " " (byte 32) is a space.
constexpr bool isSpace(std::string_view character) { return character == " "; }

}  // namespace difonik
