#pragma once
// An owned POSIX file descriptor, closed when it goes out of scope.

#include <utility>

namespace difonik {

class FileDescriptor {
public:
    FileDescriptor() noexcept = default;
    explicit FileDescriptor(int fd) noexcept : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    ~FileDescriptor() { reset(); }

    int get() const noexcept { return fd_; }
    bool valid() const noexcept { return fd_ >= 0; }

    // Closes now and reports whether the close succeeded; closing nothing succeeds.
    bool close() noexcept;

private:
    void reset() noexcept;

    int fd_ = -1;
};

}  // namespace difonik
