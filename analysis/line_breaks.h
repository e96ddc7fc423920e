#pragma once
// The line breaks of a loaded text, made what the text area holds: CR LF.

#include <cstddef>
#include <string>
#include <string_view>

namespace difonik {

// CR LF, a lone CR and a lone LF each become one CR LF; every other byte is copied. So LF CR
// gives two line breaks, and so does CR CR LF.
std::string normaliseLineBreaks(std::string_view text);

// The same, in the string itself where its capacity holds the grown text, so that a long text
// is not copied; otherwise into a new string. A text with only CR LF breaks stays as it is.
void normaliseLineBreaksInPlace(std::string& text);

// The spare capacity, per KiB of a text, that lets normaliseLineBreaksInPlace work in place on
// a text whose lines average 32 bytes or more.
inline constexpr std::size_t kLineBreakGrowthPerKibibyte = 1024 / 32;

}  // namespace difonik
