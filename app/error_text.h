#pragma once
// What the error display shows for an error's message.

#include <string>

namespace difonik {

// The message with a full stop appended when it is not empty and its last byte, read as an
// unsigned value, lies above the full stop (46): a letter, a digit, "/", ":" or "?" gains one,
// while ".", "!", ",", ")", a space or a line break stays as it is.
std::string errorDisplayText(std::string message);

}  // namespace difonik
