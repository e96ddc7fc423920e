#include "analysis/line_breaks.h"

#include <cstring>

namespace difonik {

std::string normaliseLineBreaks(std::string_view text) {
    std::string result;
    // The common case, a text with CR LF or LF breaks, grows by at most one byte per LF.
    result.reserve(text.size() + text.size() / 32 + 16);
    std::size_t i = 0;
    while (i < text.size()) {
        // Copy the run up to the next break in one piece.
        const std::size_t next = text.find_first_of("\r\n", i);
        const std::size_t end = next == std::string_view::npos ? text.size() : next;
        result.append(text.data() + i, end - i);
        if (end == text.size()) break;
        result.append("\r\n");
        i = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return result;
}

}  // namespace difonik
