#include "storage/file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>

#include "analysis/errors.h"
#include "storage/file_descriptor.h"

namespace difonik {

namespace {

constexpr int kTemporaryNameAttempts = 100;

// The file a write to `path` is meant for: a symbolic link is followed, so that replacing the
// file does not replace the link itself.
std::string resolvedTarget(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return path;  // a dangling link: writing creates the file it names
    }
    return resolved;
}

// The status of an existing target that may be written, or nothing when there is no target.
// The rename would go through on a read-only file whose directory is writable, so its own
// permission is asked first, as opening it for writing would.
std::optional<struct stat> checkWritableTarget(const std::string& target,
                                               const std::string& path) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        throw EFCreateError(path);
    }
    if (S_ISDIR(status.st_mode) || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        throw EFCreateError(path);
    }
    return status;
}

std::string directoryOf(const std::string& target) {
    const auto slash = target.find_last_of('/');
    return slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& target) {
    const auto slash = target.find_last_of('/');
    return slash == std::string::npos ? target : target.substr(slash + 1);
}

std::string randomSuffix() {
    static thread_local std::mt19937 generator{std::random_device{}()};
    char suffix[9];
    std::snprintf(suffix, sizeof suffix, "%08x", unsigned(generator()));
    return suffix;
}

// A hidden file beside the target that is removed again unless it was renamed into place.
class TemporaryFile {
public:
    TemporaryFile(const std::string& target, const std::string& path) {
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            name_ = directoryOf(target) + "." + fileNameOf(target) + ".tmp-" + randomSuffix();
            // Mode 0666 lets the umask decide, as for any newly created file.
            file_ = FileDescriptor(
                ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
            if (file_.valid() || errno != EEXIST) {
                break;
            }
        }
        if (!file_.valid()) {
            throw EFCreateError(path);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!committed_) {
            file_.close();
            ::unlink(name_.c_str());
        }
    }

    int fd() const { return file_.get(); }

    // Gives the new file the permission bits and owner of the one it replaces.
    void takeOverAttributes(const struct stat& replaced) {
        // An owner that cannot be kept (the save runs as another user) leaves the file ours.
        [[maybe_unused]] const int ignored = ::fchown(fd(), replaced.st_uid, replaced.st_gid);
        ::fchmod(fd(), replaced.st_mode & 07777);
    }

    void writeAll(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t count = ::write(fd(), bytes.data(), bytes.size());
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0) {
                throw EWriteError();
            }
            bytes.remove_prefix(std::size_t(count));
        }
    }

    // Flushes the content to disk and renames the file over the target.
    void commitAs(const std::string& target, const std::string& path) {
        if (::fsync(fd()) != 0 || !file_.close()) {
            throw EWriteError();
        }
        if (::rename(name_.c_str(), target.c_str()) != 0) {
            throw EFCreateError(path);
        }
        committed_ = true;
    }

private:
    std::string name_;
    FileDescriptor file_;
    bool committed_ = false;
};

// Makes the rename itself durable; a failure here loses nothing that is not already on disk.
void syncDirectoryOf(const std::string& target) {
    const std::string directory = directoryOf(target);
    FileDescriptor dir(
        ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) {
        ::fsync(dir.get());
    }
}

}  // namespace

void replaceFile(const std::string& path, std::string_view bytes) {
    const std::string target = resolvedTarget(path);
    const std::optional<struct stat> replaced = checkWritableTarget(target, path);
    TemporaryFile temporary(target, path);
    if (replaced) {
        temporary.takeOverAttributes(*replaced);
    }
    temporary.writeAll(bytes);
    temporary.commitAs(target, path);
    syncDirectoryOf(target);
}

}  // namespace difonik
