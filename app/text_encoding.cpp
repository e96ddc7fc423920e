#include "app/text_encoding.h"

#include <array>
#include <memory>

#include "analysis/cp1250.h"

namespace difonik {
namespace {

constexpr char16_t kParagraphSeparator = 0x2029;
constexpr char16_t kLineSeparator = 0x2028;

// Both directions as flat tables, built once: a text area may hold a hundred megabytes, and a
// table lookup per character keeps the conversion at memory speed.
struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::array<char, 0x10000> fromUnicode{};
};

const Tables& tables() {
    static const std::unique_ptr<Tables> instance = [] {
        auto t = std::make_unique<Tables>();
        t->fromUnicode.fill('?');
        for (int byte = 0; byte < 256; ++byte) {
            t->toUnicode[byte] = cp1250::toUnicode(static_cast<unsigned char>(byte));
        }
        // From the highest byte down, so that a code point with two bytes maps to the lower one.
        for (int byte = 255; byte >= 0; --byte) {
            t->fromUnicode[t->toUnicode[byte]] = static_cast<char>(byte);
        }
        return t;
    }();
    return *instance;
}

}  // namespace

QString toQString(std::string_view bytes) {
    const auto& map = tables().toUnicode;
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) *out++ = QChar(map[static_cast<unsigned char>(c)]);
    return text;
}

std::string toCp1250(QStringView text) {
    const auto& map = tables().fromUnicode;
    std::string bytes(std::size_t(text.size()), '\0');
    std::size_t length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        // A character outside the BMP is one character: one replacement for both halves.
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        bytes[length++] = QChar::isSurrogate(unit) ? '?' : map[unit];
    }
    bytes.resize(length);
    return bytes;
}

QString toPlainText(std::string_view bytes) {
    const auto& map = tables().toUnicode;
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* const begin = text.data();
    QChar* out = begin;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            *out++ = QChar(u'\n');
        } else {
            *out++ = QChar(map[static_cast<unsigned char>(c)]);
        }
    }
    text.truncate(out - begin);
    return text;
}

std::string fromRawDocumentText(QStringView rawText) {
    const auto& map = tables().fromUnicode;
    std::string bytes;
    bytes.reserve(std::size_t(rawText.size()) + std::size_t(rawText.size()) / 32);
    for (qsizetype i = 0; i < rawText.size(); ++i) {
        const char16_t unit = rawText[i].unicode();
        if (unit == kParagraphSeparator || unit == kLineSeparator || unit == u'\n' || unit == u'\r') {
            bytes += "\r\n";
        } else if (QChar::isSurrogate(unit)) {
            if (QChar::isHighSurrogate(unit) && i + 1 < rawText.size() && rawText[i + 1].isLowSurrogate()) ++i;
            bytes += '?';
        } else {
            bytes += map[unit];
        }
    }
    return bytes;
}

}  // namespace difonik
