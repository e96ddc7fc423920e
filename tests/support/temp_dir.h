#pragma once
// A fresh directory for one test, and a way to work inside it.

#include <string>

namespace difonik::test {

// Created empty under $TMPDIR (or /tmp), removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    // The directory's canonical absolute path, without a trailing slash.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

private:
    std::string path_;
};

// Makes `directory` the current directory until destruction, then returns to the previous one.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& directory);
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;
    ~CurrentDirectory();

private:
    std::string previous_;
};

}  // namespace difonik::test
