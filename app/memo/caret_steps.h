#pragma once
// Caret positions in the memo's bytes. A CR LF is one step: no position lies between its CR and
// its LF, so no edit can split a line break.

#include "app/memo/text_buffer.h"

#include <cstddef>
#include <utility>

namespace difonik::memo {

// The position itself, or the one before it when it falls inside a CR LF; at most the text's end.
std::size_t validPosition(const TextBuffer& text, std::size_t position);

std::size_t nextCharacter(const TextBuffer& text, std::size_t position);
std::size_t previousCharacter(const TextBuffer& text, std::size_t position);

// Ctrl+Right: past the rest of the word (or run of punctuation) and the spaces after it; a line
// break is a word of its own.
std::size_t nextWord(const TextBuffer& text, std::size_t position);
// Ctrl+Left: back over spaces, then to the start of the word before.
std::size_t previousWord(const TextBuffer& text, std::size_t position);

// The word a double click at `position` selects, as [start, end); a single character where there
// is no word, nothing at a line break.
std::pair<std::size_t, std::size_t> wordAround(const TextBuffer& text, std::size_t position);

}  // namespace difonik::memo
