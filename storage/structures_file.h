#pragma once
// The structures block written into every base, and its file.

#include <array>
#include <string>

namespace difonik {

// 5544 bytes, zero for the whole life of the process; their layout belongs to the sampling
// program.
extern std::array<unsigned char, 5544> struktury;

// Writes `struktury` to `path`, created when missing and emptied when present (the C runtime's
// "wb"). Throws EFCreateError(path) when the file cannot be opened, and EWriteError when it is
// not written in full or cannot be closed.
void zapisz_struktury(const std::string& path);

}  // namespace difonik
