#include "analysis/display_text.h"

#include "analysis/cp1250.h"

namespace difonik {
namespace {

constexpr char16_t kControlPictures = 0x2400;  // U+2400..U+241F picture the bytes 0..31
constexpr char16_t kSpaceSymbol = 0x2423;      // ␣
constexpr char16_t kDeleteSymbol = 0x2421;     // ␡
constexpr char16_t kNoBreakSpaceSymbol = 0x237D;  // ⍽, the shouldered open box

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
        if (byte < 0x20) {
            shown.push_back(static_cast<char16_t>(kControlPictures + byte));
        } else if (byte == ' ') {
            shown.push_back(kSpaceSymbol);
        } else if (byte == 0x7F) {
            shown.push_back(kDeleteSymbol);
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
