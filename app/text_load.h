#pragma once
// Loading a text file into the text area: what is read, and what the area is given.

#include <QString>

#include <string>

namespace difonik {

// The whole file, bytes unchanged, with spare capacity for textAreaContent. Throws EFOpenError("Cannot open file <name>") when the file is
// missing, is a folder or may not be read, and EReadError when reading fails part-way. The name in
// the message is the full name as the dialog gave it.
std::string readChosenFile(const QString& fullName);

// What the text area receives for a file's bytes: the bytes before the first NUL (the area holds
// no NUL), with every CR LF, lone CR and lone LF made one CR LF. Bytes that need no change are
// handed back without a copy.
std::string textAreaContent(std::string fileBytes);

}  // namespace difonik
