#include "analysis/working_text.h"

#include "analysis/errors.h"

namespace difonik {

std::string tekst;

void snapshot(const TextSource& source) {
    // assign() reuses the capacity of the previous snapshot where it suffices.
    tekst.assign(source.text());
}

std::string znak_tekstu(std::int32_t position) {
    if (position < 1 || std::size_t(position) > tekst.size()) throw ERangeError();
    return std::string(1, static_cast<char>(lowerAscii(static_cast<unsigned char>(tekst[position - 1]))));
}

}  // namespace difonik
