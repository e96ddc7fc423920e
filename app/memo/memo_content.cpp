#include "app/memo/memo_content.h"

#include "analysis/errors.h"
#include "analysis/line_breaks.h"

#include <cstring>
#include <new>

namespace difonik::memo {
namespace {

const char* find(std::string_view text, std::size_t from, char byte) {
    return static_cast<const char*>(std::memchr(text.data() + from, byte, text.size() - from));
}

void refuse() { throw EInvalidOperation("Text exceeds memo capacity"); }

}  // namespace

bool hasOnlyCrLfBreaks(std::string_view text) {
    // memchr is vectorised; the breaks are few against the bytes between them.
    for (const char* cr = find(text, 0, '\r'); cr; cr = find(text, std::size_t(cr - text.data()) + 1, '\r')) {
        const std::size_t at = std::size_t(cr - text.data());
        if (at + 1 == text.size() || text[at + 1] != '\n') return false;
    }
    for (const char* lf = find(text, 0, '\n'); lf; lf = find(text, std::size_t(lf - text.data()) + 1, '\n')) {
        const std::size_t at = std::size_t(lf - text.data());
        if (at == 0 || text[at - 1] != '\r') return false;
    }
    return true;
}

void cutAtNul(std::string& text) {
    if (const char* nul = find(text, 0, '\0')) text.resize(std::size_t(nul - text.data()));
}

std::string admitted(std::string text, std::size_t capacity) {
    cutAtNul(text);
    if (text.size() > capacity) refuse();
    if (!hasOnlyCrLfBreaks(text)) {
        try {
            text = normaliseLineBreaks(text);
        } catch (const std::bad_alloc&) {
            refuse();
        }
        if (text.size() > capacity) refuse();
    }
    return text;
}

}  // namespace difonik::memo
