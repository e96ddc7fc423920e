// Reading a file whole: every byte as it is, files of unknown size, and the two errors.

#include "storage/text_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>

#include "analysis/errors.h"
#include "tests/support/case_name.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace difonik {
namespace {

using test::PrintTo;

using test::TempDir;

TEST(ReadWholeFile, GivesEveryByteUnchanged) {
    TempDir dir;
    std::string bytes;
    for (int round = 0; round < 3; ++round) {
        for (int byte = 0; byte < 256; ++byte) {
            bytes += char(byte);
        }
    }
    test::writeFile(dir / "all.txt", bytes);
    test::writeFile(dir / "empty.txt", "");

    EXPECT_EQ(readWholeFile(dir / "all.txt"), bytes);
    EXPECT_EQ(readWholeFile(dir / "empty.txt"), "");
}

TEST(ReadWholeFile, ReadsAPipeToItsEnd) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const std::string sent(300 * 1024, 'p');  // several times what a pipe holds at once
    std::thread writer([&] {
        for (std::size_t done = 0; done < sent.size();) {
            const ssize_t count = ::write(ends[1], sent.data() + done, sent.size() - done);
            if (count <= 0) {
                break;
            }
            done += std::size_t(count);
        }
        ::close(ends[1]);
    });

    const std::string received = readWholeFile("/proc/self/fd/" + std::to_string(ends[0]));
    writer.join();
    ::close(ends[0]);

    EXPECT_EQ(received, sent);
}

TEST(ReadWholeFile, ReadsAFileWhoseSizeIsNotReported) {
    const std::string status = readWholeFile("/proc/self/status");
    EXPECT_NE(status.find("Name:"), std::string::npos);
    EXPECT_NE(status.find("VmPeak:"), std::string::npos);  // well past the first bytes
}

TEST(ReadWholeFile, AReadThatFailsAfterOpeningRaisesTheReadError) {
    // Opens fine, but reading from offset 0 of a process's memory fails (nothing is mapped there).
    EXPECT_THROW(readWholeFile("/proc/self/mem"), EReadError);
}

struct OpenFailure {
    std::string label;
    std::string path;  // relative to the test directory
    bool needsPermissions;  // only an ordinary user is refused by permission bits
};

class ReadWholeFileOpenFailure : public testing::TestWithParam<OpenFailure> {};

TEST_P(ReadWholeFileOpenFailure, RaisesTheOpenErrorWithThePathAsGiven) {
    const OpenFailure& c = GetParam();
    if (c.needsPermissions && ::geteuid() == 0) {
        GTEST_SKIP() << "root reads files whatever their permission bits";
    }
    TempDir dir;
    test::CurrentDirectory inside(dir.path());
    std::filesystem::create_directory("folder");
    test::writeFile("secret.txt", "x");
    ::chmod("secret.txt", 0);

    try {
        readWholeFile(c.path);
        FAIL() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.message(), "Cannot open file " + c.path);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadWholeFileOpenFailure,
                         testing::Values(OpenFailure{"missing file", "missing.txt", false},
                                         OpenFailure{"missing folder", "nowhere//a.txt", false},
                                         OpenFailure{"a folder", "folder", false},
                                         OpenFailure{"access denied", "secret.txt", true}),
                         test::ByLabel());

}  // namespace
}  // namespace difonik
