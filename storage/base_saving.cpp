#include "storage/base_saving.h"

#include <sys/stat.h>

#include "storage/line_list_file.h"
#include "storage/locked_file.h"
#include "storage/text_file.h"

namespace difonik {

namespace {

const std::string kSampleDirectory = "sample//";
const std::string kRegisterPath = "sample//baza.txt";

// One level only, as the save has always done; an existing directory or a missing parent shows
// up as the failure of the first file written into it.
void createBaseDirectory(const std::string& path) {
    ::mkdir(path.c_str(), 0777);
}

void appendToRegister(const std::string& name) {
    const FileDescriptor lockedRegister = openLockedForUpdate(kRegisterPath);
    std::vector<std::string> entries = splitLineList(readToEnd(lockedRegister), NulByte::isData);
    entries.push_back(name);
    writeLineList(kRegisterPath, entries);
}  // the lock goes with the descriptor, after the new register is in place

}  // namespace

void saveBase(const std::string& name, const std::vector<std::string>& samples) {
    const std::string baseDirectory = kSampleDirectory + name;
    createBaseDirectory(baseDirectory);
    writeLineList(baseDirectory + "//do_nagrania.txt", samples);
    appendToRegister(name);
    zapisz_struktury(baseDirectory + "//Struktury.dat");
}

}  // namespace difonik
