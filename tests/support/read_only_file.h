#pragma once
// Making a file read-only for a test, also when the tests run as root.

#include <string>

namespace difonik::test {

// Makes the file read-only until destruction, then restores it. An ordinary user gets its write
// permission bits cleared. Root ignores those bits, so for root the file is marked immutable
// (chattr +i), which needs CAP_LINUX_IMMUTABLE and a file system that supports the attribute.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(std::string path);
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ~ReadOnlyFile();

    // Whether writing is really refused now; a test skips when it is not.
    bool enforced() const;

private:
    std::string path_;
    bool immutable_ = false;
    unsigned mode_ = 0;
};

}  // namespace difonik::test
