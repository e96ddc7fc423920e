#include "analysis/line_breaks.h"

#include <string.h>  // memrchr, a GNU extension

#include <algorithm>
#include <cstring>

namespace difonik {
namespace {

// The first `byte` in [from, end), or end. memchr sweeps the bytes vectorised.
const char* findByte(const char* from, const char* end, char byte) {
    if (from == end) return end;  // an empty view may have no data pointer at all
    const void* found = std::memchr(from, byte, std::size_t(end - from));
    return found != nullptr ? static_cast<const char*>(found) : end;
}

// The last `byte` in [begin, end), or nullptr.
const char* findLastByte(const char* begin, const char* end, char byte) {
    if (begin == end) return nullptr;
    return static_cast<const char*>(::memrchr(begin, byte, std::size_t(end - begin)));
}

// How many bytes the normalisation adds: one for each lone CR and each lone LF.
std::size_t growthOf(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    std::size_t growth = 0;
    for (const char* cr = findByte(begin, end, '\r'); cr != end; cr = findByte(cr + 1, end, '\r')) {
        if (cr + 1 == end || cr[1] != '\n') ++growth;
    }
    for (const char* lf = findByte(begin, end, '\n'); lf != end; lf = findByte(lf + 1, end, '\n')) {
        if (lf == begin || lf[-1] != '\r') ++growth;
    }
    return growth;
}

// Normalises the first `size` bytes of `data` into the first size + growth, from the last byte
// to the first: every byte moves right by the growth still ahead of it, so no byte is
// overwritten before it has been moved.
void normaliseBackwards(char* data, std::size_t size, std::size_t growth) {
    std::size_t read = size;             // bytes [0, read) are still to be moved
    std::size_t write = size + growth;   // bytes [write, size + growth) are in place
    const char* cr = findLastByte(data, data + read, '\r');
    const char* lf = findLastByte(data, data + read, '\n');
    while (read > 0) {
        const char* const lineBreak = cr == nullptr ? lf : lf == nullptr ? cr : std::max(cr, lf);
        const std::size_t runStart = lineBreak != nullptr ? std::size_t(lineBreak - data) + 1 : 0;
        const std::size_t run = read - runStart;
        std::memmove(data + write - run, data + runStart, run);
        write -= run;
        read = runStart;
        if (read == 0) break;
        // The byte before the run is a break; an LF takes the CR before it along as one pair.
        read -= data[read - 1] == '\n' && read >= 2 && data[read - 2] == '\r' ? 2 : 1;
        data[--write] = '\n';
        data[--write] = '\r';
        if (cr != nullptr && cr >= data + read) cr = findLastByte(data, data + read, '\r');
        if (lf != nullptr && lf >= data + read) lf = findLastByte(data, data + read, '\n');
    }
}

}  // namespace

std::string normaliseLineBreaks(std::string_view text) {
    std::string result;
    // The common case, a text with CR LF or LF breaks, grows by at most one byte per LF.
    result.reserve(text.size() + text.size() / 32 + 16);
    const char* const end = text.data() + text.size();
    const char* from = text.data();
    // The next CR and the next LF at or after `from`, each searched again only once passed, so
    // that a text without CR (or without LF) is searched for it once.
    const char* cr = findByte(from, end, '\r');
    const char* lf = findByte(from, end, '\n');
    for (;;) {
        // Copy the run up to the next break in one piece.
        const char* const lineBreak = std::min(cr, lf);
        result.append(from, std::size_t(lineBreak - from));
        if (lineBreak == end) break;
        result.append("\r\n", 2);
        const bool crLf = *lineBreak == '\r' && lineBreak + 1 != end && lineBreak[1] == '\n';
        from = lineBreak + (crLf ? 2 : 1);
        if (cr < from) cr = findByte(from, end, '\r');
        if (lf < from) lf = findByte(from, end, '\n');
    }
    return result;
}

void normaliseLineBreaksInPlace(std::string& text) {
    const std::size_t growth = growthOf(text);
    if (growth == 0) return;
    const std::size_t size = text.size();
    if (size + growth > text.capacity()) {
        text = normaliseLineBreaks(text);
        return;
    }
    text.resize(size + growth);  // within the capacity: no reallocation, no copy
    normaliseBackwards(text.data(), size, growth);
}

}  // namespace difonik
