#include "analysis/cp1250.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>

#include <array>
#include <stdexcept>

namespace difonik::cp1250 {
namespace {

struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::array<unsigned char, 256> fold{};
    std::array<std::int16_t, 0x10000> fromUnicode{};  // -1 where the code page has no byte
};

// Asks ICU's converter for the code point of every byte. A byte the converter cannot map (the code
// page leaves five undefined) keeps the C1 control of its own value.
void readCodePage(Tables& tables) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open("windows-1250", &status);
    if (U_FAILURE(status)) throw std::runtime_error("ICU has no windows-1250 converter");
    for (int byte = 0; byte < 256; ++byte) {
        const char in = static_cast<char>(byte);
        UChar out[4];
        status = U_ZERO_ERROR;
        ucnv_reset(converter);
        const int32_t length = ucnv_toUChars(converter, out, 4, &in, 1, &status);
        const bool mapped = U_SUCCESS(status) && length == 1 && out[0] != 0xFFFD && out[0] != 0x1A;
        tables.toUnicode[byte] = mapped ? out[0] : static_cast<char16_t>(byte);
    }
    ucnv_close(converter);
}

// A byte folds to the small form of its letter when Unicode's case mapping pairs it with another
// byte of the code page and the pairing goes both ways.
void derivePairs(Tables& tables) {
    tables.fromUnicode.fill(-1);
    for (int byte = 255; byte >= 0; --byte) tables.fromUnicode[tables.toUnicode[byte]] = std::int16_t(byte);
    for (int byte = 0; byte < 256; ++byte) {
        tables.fold[byte] = static_cast<unsigned char>(byte);
        const UChar32 self = tables.toUnicode[byte];
        const UChar32 small = u_tolower(self);
        if (small == self || small > 0xFFFF || u_toupper(small) != self) continue;
        const std::int16_t smallByte = tables.fromUnicode[small];
        if (smallByte >= 0) tables.fold[byte] = static_cast<unsigned char>(smallByte);
    }
}

constexpr bool u16_is_high(char16_t unit) { return (unit & 0xFC00) == 0xD800; }
constexpr bool u16_is_low(char16_t unit) { return (unit & 0xFC00) == 0xDC00; }

const Tables& tables() {
    static const Tables instance = [] {
        Tables t;
        readCodePage(t);
        derivePairs(t);
        return t;
    }();
    return instance;
}

}  // namespace

char16_t toUnicode(unsigned char byte) { return tables().toUnicode[byte]; }

std::optional<unsigned char> fromUnicode(char16_t codePoint) {
    if (codePoint >= tables().fromUnicode.size()) return std::nullopt;
    const std::int16_t byte = tables().fromUnicode[codePoint];
    if (byte < 0) return std::nullopt;
    return static_cast<unsigned char>(byte);
}

unsigned char fold(unsigned char byte) { return tables().fold[byte]; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto& f = tables().fold;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (f[static_cast<unsigned char>(a[i])] != f[static_cast<unsigned char>(b[i])]) return false;
    }
    return true;
}

std::string folded(std::string_view text) {
    std::string result(text);
    const auto& f = tables().fold;
    for (char& c : result) c = static_cast<char>(f[static_cast<unsigned char>(c)]);
    return result;
}

std::u16string toUtf16(std::string_view text) {
    std::u16string result(text.size(), u'\0');
    const auto& map = tables().toUnicode;
    for (std::size_t i = 0; i < text.size(); ++i) result[i] = map[static_cast<unsigned char>(text[i])];
    return result;
}

std::string fromUtf16(std::u16string_view text, char replacement) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool pair = u16_is_high(unit) && i + 1 < text.size() && u16_is_low(text[i + 1]);
        if (pair) ++i;  // a character outside the BMP: one replacement for both halves
        const auto byte = pair ? std::nullopt : fromUnicode(unit);
        result.push_back(byte ? static_cast<char>(*byte) : replacement);
    }
    return result;
}

}  // namespace difonik::cp1250
