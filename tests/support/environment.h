#pragma once
// Setting an environment variable for the length of a test.

#include <optional>
#include <string>

namespace difonik::test {

class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(std::string name, const std::string& value);
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;
    ~ScopedEnvironmentVariable();  // restores the previous value, or unsets it

private:
    std::string name_;
    std::optional<std::string> previous_;
};

}  // namespace difonik::test
