#include "tests/support/child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <utility>

namespace difonik::test {

namespace {

void writeAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(fd, text.data() + written, text.size() - written);
        if (count <= 0) {
            return;
        }
        written += std::size_t(count);
    }
}

[[noreturn]] void runAsChild(const std::function<void()>& action,
                             std::optional<rlim_t> fileSizeLimit, int errorPipe) {
    if (fileSizeLimit) {
        const rlimit limit{*fileSizeLimit, *fileSizeLimit};
        ::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    int code = 0;
    try {
        action();
    } catch (const std::exception& error) {
        writeAll(errorPipe, error.what());
        code = 1;
    } catch (...) {
        writeAll(errorPipe, "unknown exception");
        code = 2;
    }
    ::_exit(code);
}

std::string readUntilEnd(int fd) {
    std::string text;
    char buffer[512];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return text;
        }
        text.append(buffer, std::size_t(count));
    }
}

}  // namespace

Child::Child(std::function<void()> action, std::optional<rlim_t> fileSizeLimit) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        throw std::runtime_error("cannot create a pipe for a child process");
    }
    std::fflush(nullptr);  // nothing buffered may be written twice
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(pipeEnds[0]);
        runAsChild(action, fileSizeLimit, pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    if (pid_ < 0) {
        ::close(pipeEnds[0]);
        throw std::runtime_error("cannot fork a child process");
    }
    errorPipe_ = pipeEnds[0];
}

Child::Child(Child&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), errorPipe_(std::exchange(other.errorPipe_, -1)) {}

Child::~Child() {
    if (pid_ > 0) {
        wait();
    }
}

ChildOutcome Child::wait() {
    ChildOutcome outcome;
    if (pid_ <= 0) {
        return outcome;
    }
    outcome.error = readUntilEnd(errorPipe_);
    ::close(std::exchange(errorPipe_, -1));
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    outcome.exitedNormally = WIFEXITED(status);
    outcome.exitCode = outcome.exitedNormally ? WEXITSTATUS(status) : -1;
    return outcome;
}

ChildOutcome runInChild(std::function<void()> action, std::optional<rlim_t> fileSizeLimit) {
    return Child(std::move(action), fileSizeLimit).wait();
}

}  // namespace difonik::test
