#pragma once
// The working text `tekst`: the snapshot of the text area that each pass takes, read character by
// character through `znak_tekstu`.

#include <cstdint>
#include <string>
#include <string_view>

namespace difonik {

// Where a pass takes its snapshot from: the whole text, Windows-1250, lines separated by CR LF.
class TextSource {
public:
    virtual ~TextSource() = default;
    // Valid until the source changes; the snapshot copies it at once.
    virtual std::string_view text() const = 0;
};

// The program-wide working text: empty at start, replaced whole by each snapshot.
extern std::string tekst;

// tekst := the whole current content of the source.
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
