#pragma once
// Read-modify-write of a file shared between processes, such as the base register.

#include <string>

#include "storage/file_descriptor.h"

namespace difonik {

// Opens an existing file for reading and takes an exclusive advisory lock (flock) on it, held
// until the descriptor is closed. Other processes that do the same wait in turn, so one reads
// the file only after the other has put its new version in place.
//
// Writers replace the file by renaming a new one over it, so a process that waited for the lock
// may end up holding the old, replaced file. The lock therefore counts only once the path still
// names the locked file; otherwise the file is opened and locked again.
//
// Throws EFOpenError(path) as openForReading does.
FileDescriptor openLockedForUpdate(const std::string& path);

}  // namespace difonik
