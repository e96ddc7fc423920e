#include "app/menu_mnemonics.h"

#include <optional>
#include <set>

namespace difonik {
namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool canBeMnemonic(char c) {
    const char u = upper(c);
    return (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}

// Where the caption's own mnemonic mark stands, if it has one.
std::optional<std::size_t> ownMark(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return i;
        ++i;  // "&&": a literal ampersand
    }
    return std::nullopt;
}

// The first character of the plain caption that may serve and is still free.
std::optional<std::size_t> firstFree(const std::string& plain, const std::set<char>& taken) {
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (canBeMnemonic(plain[i]) && !taken.count(upper(plain[i]))) return i;
    }
    return std::nullopt;
}

// The plain caption with literal ampersands doubled again and "&" before position `at`.
std::string markedAt(const std::string& plain, std::optional<std::size_t> at) {
    std::string caption;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (at && i == *at) caption += '&';
        caption += plain[i];
        if (plain[i] == '&') caption += '&';
    }
    return caption;
}

}  // namespace

std::string withoutMnemonic(const std::string& caption) {
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}

std::vector<std::string> withMnemonics(const std::vector<std::string>& captions) {
    std::vector<std::string> result(captions);
    std::vector<bool> served(captions.size(), false);
    std::set<char> taken;
    // First the items that bring their own letter, in menu order.
    for (std::size_t item = 0; item < captions.size(); ++item) {
        const auto mark = ownMark(captions[item]);
        if (!mark) continue;
        const char letter = upper(captions[item][*mark + 1]);
        if (taken.insert(letter).second) served[item] = true;
    }
    // Then the others: their first free letter or digit, in menu order.
    for (std::size_t item = 0; item < captions.size(); ++item) {
        if (served[item]) continue;
        const std::string plain = withoutMnemonic(captions[item]);
        const auto at = firstFree(plain, taken);
        if (at) taken.insert(upper(plain[*at]));
        result[item] = markedAt(plain, at);
    }
    return result;
}

}  // namespace difonik
