#pragma once
// How a list shows an entry: control characters and spaces of every kind get a visible symbol,
// while the entry itself stays the raw byte.

#include <string>
#include <string_view>

namespace difonik {

// The entry in UTF-16 with every control byte and space replaced by a visible symbol: "↵" for
// CR, "↓" for LF, "⇥" for TAB, "␣" for the space, "⍽" for the no-break space. The other control
// bytes (DEL included) and the bytes the code page leaves undefined show as their value in hex,
// "[01]", "[81]".
std::u16string legibleEntry(std::string_view entry);

}  // namespace difonik
