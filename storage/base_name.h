#pragma once
// Which base names the save accepts.

#include <optional>
#include <string>
#include <string_view>

namespace difonik {

// The message that refuses a base name, in the interface language (`jezyk`), or nothing for a
// name that may be saved. Refused are the empty name, a name with a byte below 32 (a CR or LF
// would split its register entry in two, a NUL would cut the path), and a name with a "." or
// ".." path component (which would put the base's files outside its own directory). Every other
// name is used verbatim, slashes included.
std::optional<std::string> baseNameRefusal(std::string_view name);

}  // namespace difonik
