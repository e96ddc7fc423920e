#include "app/memo/caret_steps.h"

#include "analysis/cp1250.h"

#include <QChar>

namespace difonik::memo {
namespace {

enum class Kind { Break, Space, Word, Other };

Kind kindOf(char byte) {
    if (byte == '\r' || byte == '\n') return Kind::Break;
    if (byte == ' ' || byte == '\t') return Kind::Space;
    const QChar character(cp1250::toUnicode(static_cast<unsigned char>(byte)));
    return character.isLetterOrNumber() || byte == '_' ? Kind::Word : Kind::Other;
}

std::size_t skipForward(const TextBuffer& text, std::size_t position, Kind kind) {
    while (position < text.size() && kindOf(text.at(position)) == kind) ++position;
    return position;
}

std::size_t skipBackward(const TextBuffer& text, std::size_t position, Kind kind) {
    while (position > 0 && kindOf(text.at(position - 1)) == kind) --position;
    return position;
}

}  // namespace

std::size_t validPosition(const TextBuffer& text, std::size_t position) {
    if (position >= text.size()) return text.size();
    return position > 0 && text.at(position - 1) == '\r' ? position - 1 : position;
}

std::size_t nextCharacter(const TextBuffer& text, std::size_t position) {
    if (position >= text.size()) return text.size();
    return position + (text.at(position) == '\r' ? 2 : 1);
}

std::size_t previousCharacter(const TextBuffer& text, std::size_t position) {
    if (position == 0) return 0;
    return position - (position >= 2 && text.at(position - 1) == '\n' ? 2 : 1);
}

std::size_t nextWord(const TextBuffer& text, std::size_t position) {
    if (position >= text.size()) return text.size();
    const Kind kind = kindOf(text.at(position));
    position = kind == Kind::Break ? nextCharacter(text, position) : skipForward(text, position, kind);
    return skipForward(text, position, Kind::Space);
}

std::size_t previousWord(const TextBuffer& text, std::size_t position) {
    position = skipBackward(text, position, Kind::Space);
    if (position == 0) return 0;
    const Kind kind = kindOf(text.at(position - 1));
    return kind == Kind::Break ? previousCharacter(text, position) : skipBackward(text, position, kind);
}

std::pair<std::size_t, std::size_t> wordAround(const TextBuffer& text, std::size_t position) {
    const bool onWord = position < text.size() && kindOf(text.at(position)) == Kind::Word;
    const bool afterWord = position > 0 && kindOf(text.at(position - 1)) == Kind::Word;
    if (onWord || afterWord) {
        return {skipBackward(text, position, Kind::Word), skipForward(text, position, Kind::Word)};
    }
    if (position >= text.size() || kindOf(text.at(position)) == Kind::Break) return {position, position};
    return {position, position + 1};
}

}  // namespace difonik::memo
