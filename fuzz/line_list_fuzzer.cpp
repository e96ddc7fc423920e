// The line-list reader and writer on any bytes. Splitting agrees with a byte-by-byte reading of the
// format; writing the entries back and reading them again gives the same entries; and, for a few
// inputs, the same holds through real files on disk.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "storage/line_list_file.h"

namespace {

using difonik::NulByte;
using Entries = std::vector<std::string>;
namespace fs = std::filesystem;

bool endsEntry(char byte, NulByte nul) {
    return byte == '\r' || byte == '\n' || (byte == '\0' && nul == NulByte::endsText);
}

// The format read literally: an entry runs to the next CR, LF or NUL; then a CR is stepped over,
// then an LF; a NUL where an entry would start ends the text.
Entries referenceSplit(std::string_view text, NulByte nul) {
    Entries entries;
    std::size_t at = 0;
    while (at < text.size() && !(text[at] == '\0' && nul == NulByte::endsText)) {
        std::string entry;
        while (at < text.size() && !endsEntry(text[at], nul)) entry += text[at++];
        entries.push_back(entry);
        if (at < text.size() && text[at] == '\r') ++at;
        if (at < text.size() && text[at] == '\n') ++at;
    }
    return entries;
}

std::size_t joinedSize(const Entries& entries) {
    std::size_t size = 0;
    for (const std::string& entry : entries) size += entry.size() + 2;
    return size;
}

void checkMemoryRoundTrip(std::string_view text, NulByte nul) {
    const Entries entries = difonik::splitLineList(text, nul);
    FUZZ_CHECK(entries == referenceSplit(text, nul));

    const std::string joined = difonik::joinLineList(entries);
    FUZZ_CHECK(joined.size() == joinedSize(entries));
    FUZZ_CHECK(joined.empty() || joined.ends_with("\r\n"));
    FUZZ_CHECK(difonik::splitLineList(joined, nul) == entries);
}

// A private directory for the on-disk checks, removed when the fuzzer exits normally.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string pattern = (fs::temp_directory_path() / "difonik-fuzz-XXXXXX").string();
        FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
        path_ = pattern;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t fileCount(const fs::path& directory) {
    return std::size_t(std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
}

// A file replacement waits for the disk (fsync), thousands of times slower than the rest of the
// target, so only about one input in 1024 goes to disk.
bool goesToDisk(std::string_view text) {
    return std::hash<std::string_view>{}(text) % 1024 == 0;
}

void checkDiskRoundTrip(std::string_view text) {
    static const ScratchDirectory scratch;
    const fs::path raw = scratch.path() / "raw.txt";
    const fs::path list = scratch.path() / "list.txt";
    std::ofstream(raw, std::ios::binary | std::ios::trunc).write(text.data(), std::streamsize(text.size()));

    for (const NulByte nul : {NulByte::endsText, NulByte::isData}) {
        const Entries entries = difonik::readLineList(raw.string(), nul);
        FUZZ_CHECK(entries == difonik::splitLineList(text, nul));
        difonik::writeLineList(list.string(), entries);
        FUZZ_CHECK(fileBytes(list) == difonik::joinLineList(entries));
        FUZZ_CHECK(difonik::readLineList(list.string(), nul) == entries);
        FUZZ_CHECK(fileCount(scratch.path()) == 2);  // no temporary file left beside the list
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkMemoryRoundTrip(text, NulByte::endsText);
    checkMemoryRoundTrip(text, NulByte::isData);
    if (goesToDisk(text)) checkDiskRoundTrip(text);
    return 0;
}
