#include "analysis/display_text.h"

#include "analysis/cp1250.h"

namespace difonik {
namespace {

// Symbols that the fonts on a plain desktop have (DejaVu Sans): the Unicode control pictures
// (U+2400..) are missing from them and would show as empty boxes.
constexpr char16_t kCarriageReturnSymbol = 0x21B5;  // ↵
constexpr char16_t kLineFeedSymbol = 0x2193;        // ↓
constexpr char16_t kTabSymbol = 0x21E5;             // ⇥
constexpr char16_t kSpaceSymbol = 0x2423;           // ␣
constexpr char16_t kNoBreakSpaceSymbol = 0x237D;    // ⍽, the shouldered open box

// "[81]" for the byte 0x81.
void appendHexName(std::u16string& shown, unsigned char byte) {
    constexpr char16_t digits[] = u"0123456789ABCDEF";
    shown += u'[';
    shown += digits[byte >> 4];
    shown += digits[byte & 0xF];
    shown += u']';
}

}  // namespace

std::u16string legibleEntry(std::string_view entry) {
    std::u16string shown;
    shown.reserve(entry.size());
    for (const char c : entry) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\r') {
            shown.push_back(kCarriageReturnSymbol);
        } else if (byte == '\n') {
            shown.push_back(kLineFeedSymbol);
        } else if (byte == '\t') {
            shown.push_back(kTabSymbol);
        } else if (byte < 0x20 || byte == 0x7F) {
            appendHexName(shown, byte);  // the other control characters, DEL included
        } else if (byte == ' ') {
            shown.push_back(kSpaceSymbol);
        } else if (byte == 0xA0) {
            shown.push_back(kNoBreakSpaceSymbol);
        } else if (const char16_t unit = cp1250::toUnicode(byte); unit >= 0x80 && unit < 0xA0) {
            appendHexName(shown, byte);  // undefined in the code page: a C1 control
        } else {
            shown.push_back(unit);
        }
    }
    return shown;
}

}  // namespace difonik
