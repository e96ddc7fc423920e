#include "storage/structures_file.h"

#include <cstdio>

#include "analysis/errors.h"

namespace difonik {

std::array<unsigned char, 5544> struktury{};

void zapisz_struktury(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        throw EFCreateError(path);
    }
    const bool written = std::fwrite(struktury.data(), struktury.size(), 1, file) == 1;
    // The close flushes what the buffer still holds, so its failure is a failed write too.
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        throw EWriteError();
    }
}

}  // namespace difonik
