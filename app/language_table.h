#pragma once
// The captions that a change of the interface language writes, as data.

#include <string>
#include <string_view>
#include <vector>

namespace difonik {

// One caption to write: the object name of the control (the window is "TDifonik") and its text
// in Windows-1250.
struct Caption {
    std::string control;
    std::string text;
};

// The captions of the language "Pl" or "En", in the order in which they are written: first the
// item of the chosen language with the bell-character marker, then the other language item, then
// the window, group boxes, buttons, labels, static text and the help text. Nothing for any other
// code: the comparison is exact, so "pl" and "EN" change nothing.
std::vector<Caption> captionsForLanguage(std::string_view code);

}  // namespace difonik
