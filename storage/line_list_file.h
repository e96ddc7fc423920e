#pragma once
// The line-list file: an ordered list of byte strings, each entry followed by CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace difonik {

// How a reader treats a NUL byte. The format lets it end the reading, which is right for a file
// whose NUL can only be damage; a file that is read and written back (the base register) keeps
// it as data, so that rewriting the file never drops the entries after it.
enum class NulByte { endsText, isData };

// CR LF, a lone CR and a lone LF each end one entry; a last line without a line break is still
// an entry, and a final line break adds no empty entry.
std::vector<std::string> splitLineList(std::string_view text, NulByte nul = NulByte::endsText);

// Each entry, then CR LF; an empty list gives an empty text.
std::string joinLineList(const std::vector<std::string>& entries);

// Throws EFOpenError(path) when the file cannot be opened, EReadError when reading it fails.
std::vector<std::string> readLineList(const std::string& path, NulByte nul = NulByte::endsText);

// Replaces the file as a whole (see replaceFile): throws EFCreateError(path) or EWriteError, and
// a failure leaves the previous file intact.
void writeLineList(const std::string& path, const std::vector<std::string>& entries);

}  // namespace difonik
