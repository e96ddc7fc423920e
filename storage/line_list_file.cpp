#include "storage/line_list_file.h"

#include <algorithm>

#include "storage/file_replacement.h"
#include "storage/text_file.h"

namespace difonik {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

std::vector<std::string> splitLineList(std::string_view text, NulByte nul) {
    if (nul == NulByte::endsText) {
        text = text.substr(0, text.find('\0'));
    }
    std::vector<std::string> entries;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t end = std::min(text.find_first_of(kLineBreak, position), text.size());
        entries.emplace_back(text.substr(position, end - position));
        position = end;
        if (position < text.size() && text[position] == '\r') {
            ++position;
        }
        if (position < text.size() && text[position] == '\n') {
            ++position;
        }
    }
    return entries;
}

std::string joinLineList(const std::vector<std::string>& entries) {
    std::size_t size = 0;
    for (const std::string& entry : entries) {
        size += entry.size() + kLineBreak.size();
    }
    std::string text;
    text.reserve(size);
    for (const std::string& entry : entries) {
        text += entry;
        text += kLineBreak;
    }
    return text;
}

std::vector<std::string> readLineList(const std::string& path, NulByte nul) {
    return splitLineList(readWholeFile(path), nul);
}

void writeLineList(const std::string& path, const std::vector<std::string>& entries) {
    replaceFile(path, joinLineList(entries));
}

}  // namespace difonik
