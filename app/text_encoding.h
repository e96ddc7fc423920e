#pragma once
// The widget boundary: program texts are Windows-1250 byte strings, widgets hold Unicode. Every
// byte 1..255 survives the trip there and back.

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace difonik {

QString toQString(std::string_view bytes);

// Characters the code page lacks become "?", as the system's ANSI conversion does.
std::string toCp1250(QStringView text);

// What a text area shows for a text whose lines are separated by CR LF: Qt's plain-text form,
// with "\n" between lines. A CR or LF on its own also starts a new line.
QString toPlainText(std::string_view bytes);

// The text of a text area as the program sees it, from QTextDocument::toRawText(): lines (the
// document's paragraph and line separators) separated by CR LF.
std::string fromRawDocumentText(QStringView rawText);

}  // namespace difonik
