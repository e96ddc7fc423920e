#pragma once
// How a list shows an entry: control characters and spaces of every kind get a visible symbol,
// while the entry itself stays the raw byte.

#include <string>
#include <string_view>

namespace difonik {

// The entry in UTF-16 with every control byte and space replaced by a Unicode control picture or
// a short name: "␍" for CR, "␊" for LF, "␉" for TAB, "␣" for the space, "⍽" for the no-break
// space, the control picture of its own for the other bytes below 32, "␡" for DEL. The bytes the code page leaves undefined
// show as their value in hex, "[81]".
std::u16string legibleEntry(std::string_view entry);

}  // namespace difonik
