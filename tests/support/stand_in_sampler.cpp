#include "tests/support/stand_in_sampler.h"

#include <filesystem>
#include <system_error>
#include <thread>

#include "tests/support/files.h"

namespace difonik::test {

namespace fs = std::filesystem;

std::string standInSamplerScript() {
    return DIFONIK_STAND_IN_SAMPLER_SCRIPT;
}

std::string samplerRecorderProgram() {
    return DIFONIK_SAMPLER_RECORDER_PROGRAM;
}

InstalledSampler::InstalledSampler(const std::string& directory, const std::string& source,
                                   bool executable)
    : path_(directory + "/sampler.exe") {
    fs::copy_file(source, path_, fs::copy_options::overwrite_existing);
    const auto permissions = executable ? fs::perms::owner_all | fs::perms::group_read |
                                              fs::perms::group_exec | fs::perms::others_read |
                                              fs::perms::others_exec
                                        : fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(path_, permissions);
}

InstalledSampler::~InstalledSampler() {
    std::error_code ignored;
    fs::remove(path_, ignored);
}

std::optional<std::string> waitForRecord(const std::string& path, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        // The stand-ins rename a finished record into place, so one that exists is complete.
        if (exists(path)) {
            return readFile(path);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

}  // namespace difonik::test
