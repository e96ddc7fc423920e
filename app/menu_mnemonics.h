#pragma once
// The automatic mnemonics of the menu bar: every top-level item gets an Alt letter of its own.

#include <string>
#include <vector>

namespace difonik {

// The captions of the bar's items, in menu order, with "&" put in front of each item's mnemonic.
// An item keeps its own "&" letter unless an earlier item has that letter already; then it loses
// the "&". Every item without one gets the first character of its caption, from the left, that is
// a letter A-Z or a digit 0-9 (compared in upper case) and that no other item has yet. The bell
// character, spaces and other characters never become mnemonics. "&&" is a literal ampersand.
std::vector<std::string> withMnemonics(const std::vector<std::string>& captions);

// The caption without its mnemonic mark: "&Tekst" gives "Tekst", "A&&B" gives "A&B".
std::string withoutMnemonic(const std::string& caption);

}  // namespace difonik
