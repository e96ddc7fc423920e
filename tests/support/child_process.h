#pragma once
// Running code in a forked child process: for limits that must not touch the test process
// (a file-size limit that forces a short write) and for several processes working at once.

#include <sys/resource.h>
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>

namespace difonik::test {

struct ChildOutcome {
    bool exitedNormally = false;
    int exitCode = -1;
    std::string error;  // what() of the exception that ended the action, if one did

    bool succeeded() const { return exitedNormally && exitCode == 0; }
};

// A child process that runs one action and ends.
class Child {
public:
    // Forks and runs `action` in the child. With a file-size limit the child gets RLIMIT_FSIZE
    // and ignores SIGXFSZ, so a write that would pass the limit is cut short for real and the
    // code under test sees the short write.
    explicit Child(std::function<void()> action, std::optional<rlim_t> fileSizeLimit = {});
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    Child(Child&& other) noexcept;
    Child& operator=(Child&&) = delete;
    ~Child();  // waits for a child that was not waited for

    ChildOutcome wait();

private:
    pid_t pid_ = -1;
    int errorPipe_ = -1;
};

// Runs `action` in a child and waits for it.
ChildOutcome runInChild(std::function<void()> action, std::optional<rlim_t> fileSizeLimit = {});

}  // namespace difonik::test
