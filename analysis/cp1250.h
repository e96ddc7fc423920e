#pragma once
// The Windows-1250 code page: every program text is a byte string in it. The tables here are
// derived once from ICU's converter and Unicode case mapping, not typed by hand.

#include <optional>
#include <string>
#include <string_view>

namespace difonik::cp1250 {

// The code point a byte stands for. The five bytes the code page leaves undefined map to the C1
// control with the same value, so that every byte 1..255 survives a round trip through Unicode.
char16_t toUnicode(unsigned char byte);

// The byte that stands for a code point, if the code page has one.
std::optional<unsigned char> fromUnicode(char16_t codePoint);

// The case fold: the small form of a letter that has a capital and a small form in the code page
// (A-Z, and pairs such as Ł/ł, Ą/ą, Ś/ś); every other byte stays itself.
unsigned char fold(unsigned char byte);

// Same length and, byte by byte, the same byte or the two forms of one letter.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// The text with every byte folded.
std::string folded(std::string_view text);

std::u16string toUtf16(std::string_view text);

// Characters the code page lacks become `replacement`, as the system's ANSI conversion does.
std::string fromUtf16(std::u16string_view text, char replacement = '?');

}  // namespace difonik::cp1250
