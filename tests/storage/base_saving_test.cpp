// Saving a base: the files it writes, each way it can fail and what it leaves then, and saves
// from several processes at once.

#include "storage/base_saving.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "analysis/errors.h"
#include "storage/line_list_file.h"
#include "tests/support/case_name.h"
#include "tests/support/child_process.h"
#include "tests/support/files.h"
#include "tests/support/read_only_file.h"
#include "tests/support/temp_dir.h"

namespace difonik {
namespace {

using test::PrintTo;

using namespace std::string_literals;
using Entries = std::vector<std::string>;
namespace fs = std::filesystem;

const std::string kZeroStructures(5544, '\0');

// A test directory, made current, that holds "sample" with an empty register, the state in
// which the save can run.
class SampleWorkspace {
public:
    SampleWorkspace() {
        fs::create_directory("sample");
        test::writeFile("sample/baza.txt", "");
    }

    // False when this system does not let the test make the file read-only.
    bool makeReadOnly(const std::string& path) {
        readOnly_.push_back(std::make_unique<test::ReadOnlyFile>(dir_ / path));
        return readOnly_.back()->enforced();
    }

    const test::TempDir& dir() const { return dir_; }

    // The content of every regular file, by its path relative to the test directory.
    std::map<std::string, std::string> fileContents() const {
        std::map<std::string, std::string> contents;
        for (const std::string& entry : test::listTree(dir_.path())) {
            if (fs::is_regular_file(dir_ / entry)) {
                contents[entry] = test::readFile(dir_ / entry);
            }
        }
        return contents;
    }

private:
    test::TempDir dir_;
    test::CurrentDirectory inside_{dir_.path()};
    std::vector<std::unique_ptr<test::ReadOnlyFile>> readOnly_;  // released before the directory
};

class SaveBase : public testing::Test {
protected:
    SampleWorkspace workspace;
};

TEST_F(SaveBase, WritesTheRecordingListTheRegisterEntryAndTheStructuresFile) {
    saveBase("baza", {"a", "b", "ab"});

    EXPECT_EQ(test::readFile("sample/baza/do_nagrania.txt"), "a\r\nb\r\nab\r\n");
    EXPECT_EQ(test::readFile("sample/baza.txt"), "baza\r\n");
    EXPECT_EQ(test::readFile("sample/baza/Struktury.dat"), kZeroStructures);
    EXPECT_EQ(test::listTree(workspace.dir().path()),
              (std::set<std::string>{"sample", "sample/baza.txt", "sample/baza",
                                     "sample/baza/do_nagrania.txt",
                                     "sample/baza/Struktury.dat"}));
    EXPECT_STREQ(kBaseSavedMessage, "Baza zapisana!");
}

TEST_F(SaveBase, SameNameTwiceReplacesTheBaseAndIsRegisteredTwice) {
    saveBase("baza", {"a", "b"});
    saveBase("baza", {"c"});

    EXPECT_EQ(test::readFile("sample/baza/do_nagrania.txt"), "c\r\n");
    EXPECT_EQ(test::readFile("sample/baza/Struktury.dat"), kZeroStructures);
    EXPECT_EQ(test::readFile("sample/baza.txt"), "baza\r\nbaza\r\n");
}

TEST_F(SaveBase, NameWithASlashCreatesOnlyItsLastLevel) {
    fs::create_directory("sample/jezyki");
    saveBase("jezyki/polski", {"a"});

    EXPECT_EQ(test::readFile("sample/jezyki/polski/do_nagrania.txt"), "a\r\n");
    EXPECT_EQ(test::readFile("sample/baza.txt"), "jezyki/polski\r\n");
}

struct RecordingListCase {
    std::string label;
    Entries samples;
    std::string file;
};

class SaveBaseRecordingList : public SaveBase,
                              public testing::WithParamInterface<RecordingListCase> {};

TEST_P(SaveBaseRecordingList, StoresTheSamplesUnchangedEachFollowedByCrLf) {
    saveBase("baza", GetParam().samples);
    EXPECT_EQ(test::readFile("sample/baza/do_nagrania.txt"), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveBaseRecordingList,
    testing::Values(RecordingListCase{"empty list gives an empty file", {}, ""},
                    RecordingListCase{"lone CR entry", {"a", "\r"}, "a\r\n\r\r\n"},
                    RecordingListCase{"lone LF entry", {"\n", "b"}, "\n\r\nb\r\n"},
                    RecordingListCase{"space and Polish letters", {" ", "\xB9\xEA", "\xA3"},
                                      " \r\n\xB9\xEA\r\n\xA3\r\n"}),
    test::ByLabel());

struct RegisterCase {
    std::string label;
    std::string before;
    std::string after;  // once "nowa" has been saved
};

class SaveBaseRegister : public SaveBase, public testing::WithParamInterface<RegisterCase> {};

TEST_P(SaveBaseRegister, AppendsTheNameAndRewritesEveryEntryWithCrLf) {
    test::writeFile("sample/baza.txt", GetParam().before);
    saveBase("nowa", {"a"});
    EXPECT_EQ(test::readFile("sample/baza.txt"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveBaseRegister,
    testing::Values(
        RegisterCase{"empty register", "", "nowa\r\n"},
        RegisterCase{"LF only breaks without a final break", "a\nb", "a\r\nb\r\nnowa\r\n"},
        RegisterCase{"no final line break", "a\r\nb", "a\r\nb\r\nnowa\r\n"},
        RegisterCase{"lone CR breaks", "a\rb\r", "a\r\nb\r\nnowa\r\n"},
        RegisterCase{"empty entry", "a\r\n\r\n", "a\r\n\r\nnowa\r\n"},
        RegisterCase{"name already registered", "nowa\r\n", "nowa\r\nnowa\r\n"},
        RegisterCase{"NUL stays inside its entry", "a\0b\r\nc\r\n"s, "a\0b\r\nc\r\nnowa\r\n"s}),
    test::ByLabel());

// Steps of the save that can fail, each in a forked child so that a file-size limit can force a
// short write for real.
struct SaveFailure {
    std::string label;
    std::function<bool(SampleWorkspace&)> setup;  // false: cannot be arranged on this system
    std::string name;
    Entries samples;
    std::optional<rlim_t> fileSizeLimit;
    std::string message;
    std::set<std::string> created;  // what the save leaves that was not there before
    std::optional<std::string> registerAfter;
};

class SaveBaseFailure : public SaveBase, public testing::WithParamInterface<SaveFailure> {};

TEST_P(SaveBaseFailure, StopsWithItsErrorAndKeepsWhatWasThere) {
    const SaveFailure& c = GetParam();
    if (!c.setup(workspace)) {
        GTEST_SKIP() << "files cannot be made read-only here";
    }
    const auto treeBefore = test::listTree(workspace.dir().path());
    auto contentsBefore = workspace.fileContents();

    const auto outcome =
        test::runInChild([&] { saveBase(c.name, c.samples); }, c.fileSizeLimit);

    EXPECT_EQ(outcome.error, c.message);
    std::set<std::string> expectedTree = treeBefore;
    expectedTree.insert(c.created.begin(), c.created.end());
    EXPECT_EQ(test::listTree(workspace.dir().path()), expectedTree);  // no temporary files
    auto contentsAfter = workspace.fileContents();
    if (c.registerAfter) {
        EXPECT_EQ(contentsAfter["sample/baza.txt"], *c.registerAfter);
    }
    contentsBefore.erase("sample/baza.txt");
    for (const auto& [path, content] : contentsBefore) {
        EXPECT_EQ(contentsAfter[path], content) << path << " changed";
    }
}

bool nothingToArrange(SampleWorkspace&) {
    return true;
}

bool removeSampleDirectory(SampleWorkspace&) {
    return fs::remove_all("sample") > 0;
}

bool removeRegister(SampleWorkspace&) {
    return fs::remove("sample/baza.txt");
}

bool directoryInPlaceOfRegister(SampleWorkspace&) {
    return fs::remove("sample/baza.txt") && fs::create_directory("sample/baza.txt");
}

bool directoryInPlaceOf(const std::string& file) {
    fs::create_directories(file);
    return true;
}

bool readOnlyFile(SampleWorkspace& workspace, const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
    test::writeFile(path, "old\r\n");
    return workspace.makeReadOnly(path);
}

// A register larger than the file-size limit of the rows that use it.
std::string longRegister() {
    std::string text;
    for (int i = 0; i < 4000; ++i) {
        text += "baza" + std::to_string(i) + "\r\n";
    }
    return text;
}

const std::string kLongRegister = longRegister();

const Entries kManySamples(3000, "abcdefghijklmnopqrstu");  // about 64 KiB on disk

constexpr rlim_t kSmallFileLimit = 16 * 1024;

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveBaseFailure,
    testing::Values(
        SaveFailure{"missing sample directory", removeSampleDirectory, "b", {"a"}, {},
                    "Cannot create file sample//b//do_nagrania.txt", {}, {}},
        SaveFailure{"name under a missing directory", nothingToArrange, "x/y", {"a"}, {},
                    "Cannot create file sample//x/y//do_nagrania.txt", {}, ""},
        SaveFailure{"directory in place of the recording list",
                    [](SampleWorkspace&) { return directoryInPlaceOf("sample/b/do_nagrania.txt"); },
                    "b", {"a"}, {}, "Cannot create file sample//b//do_nagrania.txt", {}, ""},
        SaveFailure{"read only recording list",
                    [](SampleWorkspace& w) { return readOnlyFile(w, "sample/b/do_nagrania.txt"); },
                    "b", {"a"}, {}, "Cannot create file sample//b//do_nagrania.txt", {}, ""},
        SaveFailure{"short write of the recording list",
                    [](SampleWorkspace&) {
                        fs::create_directory("sample/b");
                        test::writeFile("sample/b/do_nagrania.txt", "old\r\n");
                        return true;
                    },
                    "b", kManySamples, kSmallFileLimit, "Stream write error", {}, ""},
        SaveFailure{"missing register", removeRegister, "b", {"a"}, {},
                    "Cannot open file sample//baza.txt",
                    {"sample/b", "sample/b/do_nagrania.txt"}, {}},
        SaveFailure{"directory in place of the register", directoryInPlaceOfRegister, "b", {"a"},
                    {}, "Cannot open file sample//baza.txt",
                    {"sample/b", "sample/b/do_nagrania.txt"}, {}},
        SaveFailure{"read only register",
                    [](SampleWorkspace& w) { return readOnlyFile(w, "sample/baza.txt"); }, "b",
                    {"a"}, {}, "Cannot create file sample//baza.txt",
                    {"sample/b", "sample/b/do_nagrania.txt"}, "old\r\n"},
        SaveFailure{"short write of the register",
                    [](SampleWorkspace&) {
                        test::writeFile("sample/baza.txt", kLongRegister);
                        return true;
                    },
                    "b", {"a"}, kSmallFileLimit, "Stream write error",
                    {"sample/b", "sample/b/do_nagrania.txt"}, kLongRegister},
        SaveFailure{"directory in place of the structures file",
                    [](SampleWorkspace&) { return directoryInPlaceOf("sample/b/Struktury.dat"); },
                    "b", {"a"}, {}, "Cannot create file sample//b//Struktury.dat",
                    {"sample/b/do_nagrania.txt"}, "b\r\n"},
        SaveFailure{"read only structures file",
                    [](SampleWorkspace& w) { return readOnlyFile(w, "sample/b/Struktury.dat"); },
                    "b", {"a"}, {}, "Cannot create file sample//b//Struktury.dat",
                    {"sample/b/do_nagrania.txt"}, "b\r\n"},
        SaveFailure{"short write of the structures file", nothingToArrange, "b", {"a"},
                    rlim_t{4096}, "Stream write error",
                    {"sample/b", "sample/b/do_nagrania.txt", "sample/b/Struktury.dat"}, "b\r\n"}),
    test::ByLabel());

TEST_F(SaveBase, ConcurrentSavesFromSeveralProcessesLoseNoRegisterEntry) {
    constexpr int kProcesses = 4;
    constexpr int kSavesEach = 20;
    constexpr int kSharedEvery = 4;  // every fourth save of each process uses one shared name
    const auto ownName = [](int process, int save) {
        return "p" + std::to_string(process) + "-" + std::to_string(save);
    };

    std::vector<test::Child> children;
    for (int process = 0; process < kProcesses; ++process) {
        children.emplace_back([&, process] {
            for (int save = 0; save < kSavesEach; ++save) {
                saveBase(save % kSharedEvery == 0 ? "wspolna" : ownName(process, save), {"a"});
            }
        });
    }
    for (test::Child& child : children) {
        const auto outcome = child.wait();
        EXPECT_TRUE(outcome.succeeded()) << outcome.error;
    }

    const Entries registered = readLineList("sample/baza.txt");
    EXPECT_EQ(registered.size(), std::size_t(kProcesses * kSavesEach));
    EXPECT_EQ(std::count(registered.begin(), registered.end(), "wspolna"),
              kProcesses * kSavesEach / kSharedEvery);
    for (int process = 0; process < kProcesses; ++process) {
        for (int save = 0; save < kSavesEach; ++save) {
            if (save % kSharedEvery != 0) {
                EXPECT_EQ(std::count(registered.begin(), registered.end(), ownName(process, save)),
                          1)
                    << ownName(process, save);
            }
        }
    }
    std::set<std::string> expectedTree{"baza.txt"};
    for (const std::string& name : registered) {
        expectedTree.insert({name, name + "/do_nagrania.txt", name + "/Struktury.dat"});
    }
    EXPECT_EQ(test::listTree("sample"), expectedTree);  // no temporary file left behind
}

}  // namespace
}  // namespace difonik
