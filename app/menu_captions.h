#pragma once
// The captions of the menu bar as program texts. The item of the chosen language begins with the
// bell character (code 7); the menu shows it as a visible mark, while the caption itself keeps
// the byte.

#include <QString>

#include <string>

class QAction;
class QMenuBar;

namespace difonik {

// What the menu shows for a caption: the bell character as "•", the rest as it stands.
QString shownMenuCaption(const std::string& caption);

// The caption that a shown text stands for: the inverse of shownMenuCaption. The window
// description writes the marker as "•", since its XML cannot carry the bell character.
std::string menuCaptionFromShown(const QString& shown);

// Sets the item's caption; it is kept as given and shown with the marker made visible.
void setMenuCaption(QAction& item, const std::string& caption);
std::string menuCaption(const QAction& item);

// Gives the top-level items of the bar their mnemonics again (withMnemonics), as the bar is built
// anew after a caption changed.
void rebuildMnemonics(QMenuBar& bar);

}  // namespace difonik
