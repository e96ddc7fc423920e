// The hand-off: where "sampler.exe" is looked for, and how it is started.

#include "storage/sampler_launch.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/environment.h"
#include "tests/support/files.h"
#include "tests/support/stand_in_sampler.h"
#include "tests/support/temp_dir.h"

namespace difonik {
namespace {

using test::PrintTo;

namespace fs = std::filesystem;

enum class Place { executableFolder, currentDirectory, searchPath };

const char* placeName(Place place) {
    switch (place) {
        case Place::executableFolder:
            return "ProgramFolder";
        case Place::currentDirectory:
            return "CurrentDirectory";
        case Place::searchPath:
            return "SearchPath";
    }
    return "";
}

void PrintTo(Place place, std::ostream* out) {
    *out << placeName(place);
}

std::string executableFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path().string();
}

// The test process has no child of its own left, running or waiting to be reaped.
bool hasNoChildren() {
    int status = 0;
    return ::waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD;
}

// A working directory and a one-folder PATH in a fresh directory, and the folder of this test
// program, which the search looks at first.
class SamplerHandOff : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(dir / "work");
        fs::create_directory(dir / "bin");
        fs::remove(executableFolder() + "/sampler.exe");  // left over from an interrupted run
        inside.emplace(dir / "work");
    }

    std::string folder(Place place) const {
        switch (place) {
            case Place::executableFolder:
                return executableFolder();
            case Place::currentDirectory:
                return dir / "work";
            case Place::searchPath:
                return dir / "bin";
        }
        return {};
    }

    test::TempDir dir;
    test::ScopedEnvironmentVariable path{"PATH", dir / "bin"};
    test::ScopedEnvironmentVariable record{test::kSamplerRecordVariable, dir / "record.txt"};
    std::optional<test::CurrentDirectory> inside;
};

enum class Kind { executable, notExecutable, directory };

struct Placement {
    Place place;
    Kind kind;
};

struct SearchCase {
    std::string label;
    std::vector<Placement> placements;
    std::optional<Place> found;
};

class FindSampler : public SamplerHandOff, public testing::WithParamInterface<SearchCase> {};

TEST_P(FindSampler, TakesTheFirstExecutableFileInSearchOrder) {
    std::vector<std::unique_ptr<test::InstalledSampler>> installed;
    for (const Placement& placement : GetParam().placements) {
        if (placement.kind == Kind::directory) {
            fs::create_directory(folder(placement.place) + "/sampler.exe");
        } else {
            installed.push_back(std::make_unique<test::InstalledSampler>(
                folder(placement.place), test::standInSamplerScript(),
                placement.kind == Kind::executable));
        }
    }

    const std::optional<std::string> found = findSampler();

    ASSERT_EQ(found.has_value(), GetParam().found.has_value()) << found.value_or("nothing");
    if (found) {
        EXPECT_TRUE(fs::equivalent(*found, folder(*GetParam().found) + "/sampler.exe")) << *found;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindSampler,
    testing::Values(
        SearchCase{"nowhere", {}, std::nullopt},
        SearchCase{"only along PATH", {{Place::searchPath, Kind::executable}}, Place::searchPath},
        SearchCase{"current directory before PATH",
                   {{Place::currentDirectory, Kind::executable},
                    {Place::searchPath, Kind::executable}},
                   Place::currentDirectory},
        SearchCase{"program folder before the current directory",
                   {{Place::executableFolder, Kind::executable},
                    {Place::currentDirectory, Kind::executable},
                    {Place::searchPath, Kind::executable}},
                   Place::executableFolder},
        SearchCase{"file without execute permission is passed over",
                   {{Place::executableFolder, Kind::notExecutable},
                    {Place::currentDirectory, Kind::executable}},
                   Place::currentDirectory},
        SearchCase{"directory of that name is passed over",
                   {{Place::currentDirectory, Kind::directory},
                    {Place::searchPath, Kind::executable}},
                   Place::searchPath},
        SearchCase{"nothing executable anywhere",
                   {{Place::currentDirectory, Kind::notExecutable},
                    {Place::searchPath, Kind::directory}},
                   std::nullopt}),
    test::ByLabel());

class StartSampler : public SamplerHandOff, public testing::WithParamInterface<Place> {};

TEST_P(StartSampler, RunsItWithoutArgumentsHereAndDoesNotWaitForIt) {
    const test::InstalledSampler sampler(folder(GetParam()), test::standInSamplerScript());
    // The stand-in records only once this file exists, which the test makes after the start
    // has returned; a start that waited for it would have it give up and record "released=no".
    const test::ScopedEnvironmentVariable release(test::kSamplerReleaseVariable,
                                                  dir / "release");

    startSampler();
    EXPECT_TRUE(hasNoChildren());
    test::writeFile(dir / "release", "");

    EXPECT_EQ(test::waitForRecord(dir / "record.txt"),
              "argc=0\ncwd=" + (dir / "work") + "\nreleased=yes\n");
}

INSTANTIATE_TEST_SUITE_P(Places, StartSampler,
                         testing::Values(Place::executableFolder, Place::currentDirectory,
                                         Place::searchPath),
                         [](const auto& info) { return placeName(info.param); });

TEST_F(SamplerHandOff, CommandLineIsTheBareNameAlone) {
    const test::InstalledSampler sampler(dir / "work", test::samplerRecorderProgram());
    startSampler();
    EXPECT_EQ(test::waitForRecord(dir / "record.txt"),
              "argv0=sampler.exe\nargc=0\ncwd=" + (dir / "work") + "\n");
}

TEST_F(SamplerHandOff, MissingSamplerStartsNothing) {
    startSampler();
    EXPECT_TRUE(hasNoChildren());
    EXPECT_FALSE(test::exists(dir / "record.txt"));
}

}  // namespace
}  // namespace difonik
