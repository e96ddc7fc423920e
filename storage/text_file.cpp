#include "storage/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <memory>

#include "analysis/errors.h"

namespace difonik {

namespace {

// The reads go through a buffer of this size, small enough to stay in the processor's cache.
constexpr std::size_t kReadChunk = 256 * 1024;

// Reads into [data, data + length) once, retrying interrupted reads; returns the count (0 at the
// end of the file).
std::size_t readOnce(int fd, char* data, std::size_t length) {
    for (;;) {
        const ssize_t count = ::read(fd, data, length);
        if (count >= 0) {
            return std::size_t(count);
        }
        if (errno != EINTR) {
            throw EReadError();
        }
    }
}

// The size fstat reports for a regular file; zero when it tells nothing useful.
std::size_t expectedSize(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
        return 0;
    }
    return std::size_t(status.st_size);
}

}  // namespace

FileDescriptor openForReading(const std::string& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!file.valid()) {
        throw EFOpenError(path);
    }
    // Linux opens a directory for reading without complaint; it is still not a file to read.
    struct stat status {};
    if (::fstat(file.get(), &status) != 0 || S_ISDIR(status.st_mode)) {
        throw EFOpenError(path);
    }
    return file;
}

std::string readToEnd(const FileDescriptor& file, std::size_t sparePerKibibyte) {
    // Sized by fstat, so that a regular file takes one allocation; a file that has grown since,
    // or never told its size, makes the string grow as it goes.
    const std::size_t size = expectedSize(file.get());
    std::string text;
    text.reserve(size + size / 1024 * sparePerKibibyte + (sparePerKibibyte > 0 ? 16 : 0));
    // Through a small buffer rather than straight into the string: a string cannot lengthen
    // without filling its new bytes first, and zero-filling a long file's worth of memory only to
    // overwrite it costs as much as the reading.
    const auto chunk = std::make_unique_for_overwrite<char[]>(kReadChunk);
    for (;;) {
        const std::size_t count = readOnce(file.get(), chunk.get(), kReadChunk);
        if (count == 0) {
            break;
        }
        text.append(chunk.get(), count);
    }
    return text;
}

std::string readWholeFile(const std::string& path, std::size_t sparePerKibibyte) {
    const FileDescriptor file = openForReading(path);
    return readToEnd(file, sparePerKibibyte);
}

}  // namespace difonik
