#pragma once
// Reading a file whole: the text load of the window and the line-list reader share these steps.

#include <cstddef>
#include <string>

#include "storage/file_descriptor.h"

namespace difonik {

// Opens an existing file for reading. Throws EFOpenError(path) when it is missing, is a
// directory, or access is denied.
FileDescriptor openForReading(const std::string& path);

// Reads from the descriptor's current position to the end, sized by fstat so that a regular
// file takes one allocation; files whose size fstat does not tell (pipes, /proc) are read until
// their end all the same. Throws EReadError when a read fails.
//
// The string gets `sparePerKibibyte` bytes of capacity beyond its bytes for each KiB of them, for
// a caller that grows the text in place afterwards rather than copy it. Untouched capacity costs
// address space, not memory.
std::string readToEnd(const FileDescriptor& file, std::size_t sparePerKibibyte = 0);

// The whole file as bytes, unchanged. Throws EFOpenError(path) or EReadError.
std::string readWholeFile(const std::string& path, std::size_t sparePerKibibyte = 0);

}  // namespace difonik
