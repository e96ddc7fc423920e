#include "tests/support/read_only_file.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace difonik::test {

namespace {

// Sets or clears the immutable attribute; false when the file system or our rights do not allow.
bool setImmutable(const std::string& path, bool immutable) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

}  // namespace

ReadOnlyFile::ReadOnlyFile(std::string path) : path_(std::move(path)) {
    if (::geteuid() == 0) {
        immutable_ = setImmutable(path_, true);
        return;
    }
    struct stat status {};
    if (::stat(path_.c_str(), &status) == 0) {
        mode_ = status.st_mode & 07777;
        ::chmod(path_.c_str(), mode_ & ~unsigned(S_IWUSR | S_IWGRP | S_IWOTH));
    }
}

ReadOnlyFile::~ReadOnlyFile() {
    if (immutable_) {
        setImmutable(path_, false);
    } else if (mode_ != 0) {
        ::chmod(path_.c_str(), mode_);
    }
}

bool ReadOnlyFile::enforced() const {
    return ::access(path_.c_str(), W_OK) != 0;
}

}  // namespace difonik::test
