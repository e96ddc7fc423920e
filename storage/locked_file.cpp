#include "storage/locked_file.h"

#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>

#include "analysis/errors.h"
#include "storage/text_file.h"

namespace difonik {

namespace {

void lockExclusively(const FileDescriptor& file, const std::string& path) {
    while (::flock(file.get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            throw EFOpenError(path);
        }
    }
}

bool pathStillNames(const FileDescriptor& file, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(file.get(), &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

FileDescriptor openLockedForUpdate(const std::string& path) {
    for (;;) {
        FileDescriptor file = openForReading(path);
        lockExclusively(file, path);
        if (pathStillNames(file, path)) {
            return file;
        }
    }
}

}  // namespace difonik
