#pragma once
// Reading a file whole: the text load of the window and the line-list reader share these steps.

#include <string>

#include "storage/file_descriptor.h"

namespace difonik {

// Opens an existing file for reading. Throws EFOpenError(path) when it is missing, is a
// directory, or access is denied.
FileDescriptor openForReading(const std::string& path);

// Reads from the descriptor's current position to the end, sized by fstat so that a regular
// file takes one allocation; files whose size fstat does not tell (pipes, /proc) are read until
// their end all the same. Throws EReadError when a read fails.
std::string readToEnd(const FileDescriptor& file);

// The whole file as bytes, unchanged. Throws EFOpenError(path) or EReadError.
std::string readWholeFile(const std::string& path);

}  // namespace difonik
