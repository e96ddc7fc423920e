#pragma once
// The line breaks of a loaded text, made what the text area holds: CR LF.

#include <string>
#include <string_view>

namespace difonik {

// CR LF, a lone CR and a lone LF each become one CR LF; every other byte is copied. So LF CR
// gives two line breaks, and so does CR CR LF.
std::string normaliseLineBreaks(std::string_view text);

}  // namespace difonik
