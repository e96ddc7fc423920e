#include "storage/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

#include "analysis/errors.h"

namespace difonik {

namespace {

// Read size for files that report no size of their own.
constexpr std::size_t kUnknownSizeChunk = 64 * 1024;

// Reads into buffer[offset, buffer.size()) once, retrying interrupted reads; returns the count
// (0 at the end of the file).
std::size_t readOnce(int fd, std::string& buffer, std::size_t offset) {
    for (;;) {
        const ssize_t count = ::read(fd, buffer.data() + offset, buffer.size() - offset);
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
    // One byte beyond the reported size, so that reaching the end needs no second allocation.
    const std::size_t size = expectedSize(file.get()) + 1;
    std::string buffer;
    buffer.reserve(size + size / 1024 * sparePerKibibyte + (sparePerKibibyte > 0 ? 16 : 0));
    buffer.resize(size);
    std::size_t filled = 0;
    for (;;) {
        if (filled == buffer.size()) {
            // The file has grown since fstat, or never told its size.
            buffer.resize(buffer.size() + kUnknownSizeChunk);
        }
        const std::size_t count = readOnce(file.get(), buffer, filled);
        if (count == 0) {
            break;
        }
        filled += count;
    }
    buffer.resize(filled);
    return buffer;
}

std::string readWholeFile(const std::string& path, std::size_t sparePerKibibyte) {
    const FileDescriptor file = openForReading(path);
    return readToEnd(file, sparePerKibibyte);
}

}  // namespace difonik
