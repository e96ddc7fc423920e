#include "storage/sampler_launch.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>

namespace difonik {

namespace {

bool isExecutableFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string inDirectory(std::string_view directory) {
    // An empty PATH entry means the current directory.
    const std::string_view folder = directory.empty() ? std::string_view(".") : directory;
    return std::string(folder) + "/" + kSamplerFileName;
}

std::optional<std::string> executableDirectory() {
    char target[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", target, sizeof target);
    if (length <= 0 || std::size_t(length) == sizeof target) {
        return std::nullopt;
    }
    const std::string_view executable(target, std::size_t(length));
    const std::size_t slash = executable.find_last_of('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(slash == 0 ? "/" : executable.substr(0, slash));
}

std::optional<std::string> searchPath() {
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        return std::nullopt;
    }
    std::string_view directories(path);
    for (;;) {
        const std::size_t colon = directories.find(':');
        const std::string candidate = inDirectory(directories.substr(0, colon));
        if (isExecutableFile(candidate)) {
            return candidate;
        }
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        directories.remove_prefix(colon + 1);
    }
}

// Runs in the freshly forked child of a possibly multi-threaded program, so only
// async-signal-safe calls are made until the exec.
[[noreturn]] void becomeSampler(const char* path) {
    char* const arguments[] = {const_cast<char*>(kSamplerFileName), nullptr};
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);  // the program's blocked signals are its own
    ::setsid();  // out of the program's session, so closing its terminal does not end the sampler
    if (::fork() == 0) {
        ::execv(path, arguments);
    }
    // The intermediate process ends at once; the sampler, now an orphan, is reaped by init.
    ::_exit(0);
}

}  // namespace

std::optional<std::string> findSampler() {
    if (const auto directory = executableDirectory()) {
        if (const std::string candidate = inDirectory(*directory); isExecutableFile(candidate)) {
            return candidate;
        }
    }
    if (const std::string candidate = inDirectory("."); isExecutableFile(candidate)) {
        return candidate;
    }
    return searchPath();
}

void startSampler() noexcept {
    try {
        const std::optional<std::string> sampler = findSampler();
        if (!sampler) {
            return;
        }
        const pid_t intermediate = ::fork();
        if (intermediate == 0) {
            becomeSampler(sampler->c_str());
        }
        if (intermediate > 0) {
            while (::waitpid(intermediate, nullptr, 0) < 0 && errno == EINTR) {
            }
        }
    } catch (...) {
        // The hand-off reports nothing; a sampler that cannot be looked for is not started.
    }
}

}  // namespace difonik
