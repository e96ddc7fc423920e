// The line-list file: splitting, joining, and writing that never leaves a damaged file behind.

#include "storage/line_list_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/errors.h"
#include "tests/support/case_name.h"
#include "tests/support/child_process.h"
#include "tests/support/files.h"
#include "tests/support/read_only_file.h"
#include "tests/support/temp_dir.h"

namespace difonik {
namespace {

using test::PrintTo;

using Entries = std::vector<std::string>;
using test::CurrentDirectory;
using test::TempDir;

struct SplitCase {
    std::string label;
    std::string text;
    Entries endsText;  // NUL ends the reading
    Entries isData;    // NUL kept inside its entry
};

class SplitLineList : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLineList, EndsEntriesAtEveryKindOfLineBreak) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(splitLineList(c.text), c.endsText);
    EXPECT_EQ(splitLineList(c.text, NulByte::isData), c.isData);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitLineList,
    testing::Values(
        SplitCase{"empty text", "", {}, {}},
        SplitCase{"CR LF ends an entry", "a\r\nb\r\n", {"a", "b"}, {"a", "b"}},
        SplitCase{"lone CR ends an entry", "a\rb\r", {"a", "b"}, {"a", "b"}},
        SplitCase{"lone LF ends an entry", "a\nb\n", {"a", "b"}, {"a", "b"}},
        SplitCase{"LF CR ends two entries", "a\n\rb", {"a", "", "b"}, {"a", "", "b"}},
        SplitCase{"CR CR LF ends two entries", "a\r\r\nb", {"a", "", "b"}, {"a", "", "b"}},
        SplitCase{"last line without a line break", "a\r\nb", {"a", "b"}, {"a", "b"}},
        SplitCase{"empty line before the final break", "a\r\n\r\n", {"a", ""}, {"a", ""}},
        SplitCase{"lone line break", "\r\n", {""}, {""}},
        SplitCase{"byte order mark belongs to the first entry", "\xEF\xBB\xBF" "a\r\n",
                  {"\xEF\xBB\xBF" "a"}, {"\xEF\xBB\xBF" "a"}},
        SplitCase{"NUL inside an entry", "a\0b\r\nc\r\n"s, {"a"}, {"a\0b"s, "c"}},
        SplitCase{"NUL at the start", "\0a\r\n"s, {}, {"\0a"s}},
        SplitCase{"NUL after a line break", "a\r\n\0\r\nb"s, {"a"}, {"a", "\0"s, "b"}}),
    test::ByLabel());

TEST(JoinLineList, PutsCrLfAfterEveryEntryAndNothingElse) {
    EXPECT_EQ(joinLineList({}), "");
    EXPECT_EQ(joinLineList({""}), "\r\n");
    EXPECT_EQ(joinLineList({"a", "\r", "\n", "\xB9\xE6"}), "a\r\n\r\r\n\n\r\n\xB9\xE6\r\n");
}

TEST(JoinLineList, SplitGivesBackEntriesWithoutLineBreaks) {
    Entries entries;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n') {
            entries.push_back(std::string(3, char(byte)));
        }
    }
    entries.push_back("");
    EXPECT_EQ(splitLineList(joinLineList(entries)), entries);
}

class LineListFile : public testing::Test {
protected:
    TempDir dir;
    CurrentDirectory inside{dir.path()};
};

TEST_F(LineListFile, WritesAndReadsBackTheSameEntries) {
    const Entries entries{"pierwszy", "", "\xA5\xB9", "a\0b"};
    writeLineList("lista.txt", entries);
    EXPECT_EQ(test::readFile("lista.txt"), joinLineList(entries));
    EXPECT_EQ(readLineList("lista.txt", NulByte::isData), entries);
}

TEST_F(LineListFile, EmptyListGivesAnEmptyFile) {
    test::writeFile("lista.txt", "old\r\n");
    writeLineList("lista.txt", {});
    EXPECT_EQ(test::readFile("lista.txt"), "");
}

TEST_F(LineListFile, ReplacedFileKeepsItsPermissions) {
    test::writeFile("lista.txt", "old\r\n");
    ::chmod("lista.txt", 0640);
    writeLineList("lista.txt", {"new"});
    struct stat status {};
    ASSERT_EQ(::stat("lista.txt", &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(LineListFile, WritingThroughASymbolicLinkReplacesTheFileItNames) {
    std::filesystem::create_directory("real");
    test::writeFile("real/lista.txt", "old\r\n");
    std::filesystem::create_symlink("real/lista.txt", "link.txt");
    writeLineList("link.txt", {"new"});
    EXPECT_TRUE(std::filesystem::is_symlink("link.txt"));
    EXPECT_EQ(test::readFile("real/lista.txt"), "new\r\n");
}

TEST_F(LineListFile, ReadingAMissingFileRaisesTheOpenError) {
    try {
        readLineList("brak//lista.txt");
        FAIL() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.message(), "Cannot open file brak//lista.txt");
    }
}

struct WriteFailure {
    std::string label;
    std::string path;  // relative to the test directory, as passed to the writer
    bool readOnlyFile;
};

class LineListWriteFailure : public LineListFile,
                             public testing::WithParamInterface<WriteFailure> {};

TEST_P(LineListWriteFailure, RaisesTheCreateErrorAndLeavesEverythingAsItWas) {
    const WriteFailure& c = GetParam();
    std::filesystem::create_directory("dir");
    std::filesystem::create_directory("dir/taken.txt");
    test::writeFile("dir/old.txt", "old\r\n");
    std::optional<test::ReadOnlyFile> readOnly;
    if (c.readOnlyFile) {
        readOnly.emplace(dir / "dir/old.txt");
        if (!readOnly->enforced()) {
            GTEST_SKIP() << "this system does not let a test make a file read-only";
        }
    }
    const auto before = test::listTree(dir.path());

    try {
        writeLineList(c.path, {"new"});
        FAIL() << "no error raised";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.message(), "Cannot create file " + c.path);
    }
    EXPECT_EQ(test::listTree(dir.path()), before);  // no temporary file left behind
    EXPECT_EQ(test::readFile("dir/old.txt"), "old\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineListWriteFailure,
    testing::Values(WriteFailure{"directory of that name", "dir//taken.txt", false},
                    WriteFailure{"missing parent directory", "dir//missing//new.txt", false},
                    WriteFailure{"read only target file", "dir//old.txt", true}),
    test::ByLabel());

TEST_F(LineListFile, ShortWriteRaisesTheWriteErrorAndKeepsThePreviousFile) {
    test::writeFile("lista.txt", "old\r\n");
    const auto before = test::listTree(dir.path());
    const Entries big(2000, std::string(30, 'x'));  // about 64 KiB, over the limit below

    const test::ChildOutcome outcome = test::runInChild([&] { writeLineList("lista.txt", big); },
                                                        /*fileSizeLimit=*/16 * 1024);

    EXPECT_EQ(outcome.error, "Stream write error");
    EXPECT_EQ(test::readFile("lista.txt"), "old\r\n");
    EXPECT_EQ(test::listTree(dir.path()), before);
}

}  // namespace
}  // namespace difonik
