#include "tests/support/files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace difonik::test {

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write test file " + path);
    }
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read test file " + path);
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool exists(const std::string& path) {
    return std::filesystem::exists(std::filesystem::symlink_status(path));
}

std::set<std::string> listTree(const std::string& directory) {
    std::set<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) {
        entries.insert(std::filesystem::relative(entry.path(), directory).string());
    }
    return entries;
}

}  // namespace difonik::test
