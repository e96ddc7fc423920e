#include "storage/file_descriptor.h"

#include <unistd.h>

namespace difonik {

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        reset();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

bool FileDescriptor::close() noexcept {
    if (fd_ < 0) {
        return true;
    }
    // Linux releases the descriptor even when close reports an error, so it is never retried.
    return ::close(std::exchange(fd_, -1)) == 0;
}

void FileDescriptor::reset() noexcept {
    close();
}

}  // namespace difonik
