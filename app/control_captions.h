#pragma once
// Captions of the window's controls as program texts (Windows-1250): the window's caption, a
// group box's or button's caption, a label's caption, a text area's whole content, a menu item's
// caption.

#include <string>

class QLabel;
class QObject;

namespace difonik {

// Writes the caption the way the kind of control takes it. A caption that the control shows
// already changes nothing. A label sizes itself to its new caption, keeping its top-left corner.
void setControlCaption(QObject& control, const std::string& caption);

std::string controlCaption(const QObject& control);

// A label as wide as its caption needs.
void fitToCaption(QLabel& label);

}  // namespace difonik
