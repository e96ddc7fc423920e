#pragma once
// Text crossing between the memo's Windows-1250 bytes and Qt's Unicode: what is shown, what goes
// to the clipboard, and what the user types or pastes.

#include <QString>

#include <string>
#include <string_view>

namespace difonik::memo {

// The bytes as shown: one UTF-16 unit per byte, so offsets match.
QString shown(std::string_view bytes);

// The clipboard's form: Unicode with "\n" line breaks.
QString forClipboard(std::string_view bytes);

// Typed, pasted or committed text as the memo holds it: characters the code page lacks become
// "?", the text ends at its first NUL, and every line break becomes CR LF.
std::string fromUser(const QString& text);

// Whether a key's text is something to type rather than a control character.
bool isTypable(const QString& text);

}  // namespace difonik::memo
