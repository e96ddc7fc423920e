#pragma once
// The hand-off to the sampling program.

#include <optional>
#include <string>

namespace difonik {

inline constexpr const char* kSamplerFileName = "sampler.exe";

// Where "sampler.exe" is found: first in the folder of the running executable, then in the
// current directory, then along PATH. Only an executable regular file counts.
std::optional<std::string> findSampler();

// Starts the sampler found by findSampler with no argument (its argv[0] is "sampler.exe"), in
// the current directory and with the current environment, as a process of its own that nobody
// waits for. Nothing is reported: a missing sampler or a failed start does nothing.
void startSampler() noexcept;

}  // namespace difonik
