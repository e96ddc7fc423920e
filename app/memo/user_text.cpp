#include "app/memo/user_text.h"

#include "analysis/cp1250.h"
#include "analysis/line_breaks.h"
#include "app/memo/memo_content.h"

#include <QChar>
#include <QList>

namespace difonik::memo {

QString shown(std::string_view bytes) {
    const std::u16string units = cp1250::toUtf16(bytes);
    return QString(reinterpret_cast<const QChar*>(units.data()), qsizetype(units.size()));
}

QString forClipboard(std::string_view bytes) {
    QString text = shown(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string fromUser(const QString& text) {
    std::string bytes = cp1250::fromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                               std::size_t(text.size())));
    cutAtNul(bytes);
    return hasOnlyCrLfBreaks(bytes) ? bytes : normaliseLineBreaks(bytes);
}

bool isTypable(const QString& text) {
    if (text.isEmpty()) return false;
    for (const char32_t codePoint : text.toUcs4()) {
        if (!QChar::isPrint(codePoint)) return false;
    }
    return true;
}

}  // namespace difonik::memo
