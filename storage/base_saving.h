#pragma once
// Saving a named base under the sample directory: its recording list, its structures file and
// its entry in the base register.

#include <string>
#include <vector>

#include "storage/base_name.h"
#include "storage/structures_file.h"

namespace difonik {

// The confirmation the window shows once saveBase has returned; the same in both languages.
inline constexpr const char* kBaseSavedMessage = "Baza zapisana!";

// Saves the base `name` with the recording list `samples`, in this order: creates the directory
// "sample//" + name (one level; a failure is ignored), writes the samples to
// "sample//" + name + "//do_nagrania.txt", appends the name to the register "sample//baza.txt",
// and writes "sample//" + name + "//Struktury.dat". All paths are relative to the current
// directory and kept exactly as built.
//
// The first failure ends the save with its error and what was written before stays: an
// EFCreateError or EWriteError from a file write, EFOpenError("sample//baza.txt") or EReadError
// when the register cannot be read (it must exist; an empty file will do).
//
// The register is locked from its read to its rewrite, so that saves from several processes at
// once each add their entry. It is read with NUL bytes kept as data, so that no entry is lost.
//
// The name is used verbatim and not checked here: the caller refuses names first with
// baseNameRefusal.
void saveBase(const std::string& name, const std::vector<std::string>& samples);

}  // namespace difonik
