#pragma once
// What the memo holds: Windows-1250 bytes with CR LF line breaks, never a NUL, never a lone CR
// or LF, and no more than the memo's capacity.

#include <cstddef>
#include <string>
#include <string_view>

namespace difonik::memo {

inline constexpr char kLineBreak[] = "\r\n";

// Every CR is followed by an LF and every LF follows a CR.
bool hasOnlyCrLfBreaks(std::string_view text);

// Drops the first NUL and everything after it, without reallocating.
void cutAtNul(std::string& text);

// The text as the memo will hold it: cut at its first NUL, its line breaks made CR LF (copied only
// when some are not). Throws EInvalidOperation("Text exceeds memo capacity") when the result is
// longer than `capacity` or cannot be allocated.
std::string admitted(std::string text, std::size_t capacity);

}  // namespace difonik::memo
