#pragma once
// Plain file access for setting up and checking tests, independent of the code under test.

#include <set>
#include <string>

namespace difonik::test {

void writeFile(const std::string& path, const std::string& bytes);

// The whole file; fails the calling test's expectations by throwing when it cannot be read.
std::string readFile(const std::string& path);

bool exists(const std::string& path);

// Every file and directory below `directory`, as paths relative to it ("sample/a/b.txt").
std::set<std::string> listTree(const std::string& directory);

}  // namespace difonik::test
