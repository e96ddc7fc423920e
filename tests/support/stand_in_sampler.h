#pragma once
// Stand-ins for the sampling program that record how they were started.

#include <chrono>
#include <optional>
#include <string>

namespace difonik::test {

// The shell script stand-in (tests/support/sampler.exe): records its arguments and directory.
std::string standInSamplerScript();

// The compiled stand-in (sampler_recorder): records argv[0] too.
std::string samplerRecorderProgram();

// Environment variables the stand-ins read: where to write the record, and which file to wait
// for before writing it (script only).
inline constexpr const char* kSamplerRecordVariable = "DIFONIK_SAMPLER_RECORD";
inline constexpr const char* kSamplerReleaseVariable = "DIFONIK_SAMPLER_RELEASE";

// A copy of a stand-in, named "sampler.exe", in a directory; removed again on destruction.
class InstalledSampler {
public:
    InstalledSampler(const std::string& directory, const std::string& source,
                     bool executable = true);
    InstalledSampler(const InstalledSampler&) = delete;
    InstalledSampler& operator=(const InstalledSampler&) = delete;
    ~InstalledSampler();

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The record once the stand-in has finished writing it, or nothing if it never appears.
std::optional<std::string> waitForRecord(const std::string& path,
                                         std::chrono::seconds limit = std::chrono::seconds(20));

}  // namespace difonik::test
