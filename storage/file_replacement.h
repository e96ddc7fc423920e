#pragma once
// Replacing a file's content safely: the new content goes to a temporary file beside the target
// and is renamed into place only when it is complete and on disk, so a failure at any point
// leaves the previous file as it was.

#include <string>
#include <string_view>

namespace difonik {

// Puts `bytes` in place as the file `path`, created when missing. Throws EFCreateError(path)
// when the file cannot be created or an existing one may not be written (a directory, a
// read-only file, a missing parent directory), and EWriteError when the content cannot be
// written in full. No temporary file outlives a failure. An existing file keeps its permission
// bits and owner, and a symbolic link keeps pointing at the file it names.
void replaceFile(const std::string& path, std::string_view bytes);

}  // namespace difonik
