#include "app/text_encoding.h"

#include "analysis/cp1250.h"

namespace difonik {
namespace {

constexpr char16_t kParagraphSeparator = 0x2029;
constexpr char16_t kLineSeparator = 0x2028;

std::u16string_view unitsOf(QStringView text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}

QString fromUnits(const std::u16string& units) {
    return QString(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
}

}  // namespace

QString toQString(std::string_view bytes) { return fromUnits(cp1250::toUtf16(bytes)); }

std::string toCp1250(QStringView text) { return cp1250::fromUtf16(unitsOf(text)); }

QString toPlainText(std::string_view bytes) {
    std::u16string units = cp1250::toUtf16(bytes);
    std::size_t length = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        if (unit == u'\r' || unit == u'\n') {
            if (unit == u'\r' && i + 1 < units.size() && units[i + 1] == u'\n') ++i;
            units[length++] = u'\n';
        } else {
            units[length++] = unit;
        }
    }
    units.resize(length);
    return fromUnits(units);
}

std::string fromRawDocumentText(QStringView rawText) {
    std::string bytes;
    bytes.reserve(std::size_t(rawText.size()) + std::size_t(rawText.size()) / 32);
    std::u16string_view units = unitsOf(rawText);
    // Runs between line breaks convert as they are; every kind of break becomes CR LF.
    while (!units.empty()) {
        std::size_t end = 0;
        while (end < units.size() && units[end] != kParagraphSeparator && units[end] != kLineSeparator &&
               units[end] != u'\n' && units[end] != u'\r')
            ++end;
        bytes += cp1250::fromUtf16(units.substr(0, end));
        if (end == units.size()) break;
        bytes += "\r\n";
        units.remove_prefix(end + 1);
    }
    return bytes;
}

}  // namespace difonik
