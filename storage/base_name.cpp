#include "storage/base_name.h"

#include <algorithm>

#include "analysis/counters.h"

namespace difonik {

namespace {

struct Refusal {
    const char* polish;  // Windows-1250 bytes
    const char* english;
};

constexpr Refusal kEmptyName{"Nazwa bazy jest pusta.", "The base name is empty."};
constexpr Refusal kControlCharacter{
    "Nazwa bazy zawiera znak steruj\xB9"
    "cy.",
    "The base name contains a control character."};
constexpr Refusal kDotComponent{
    "Nazwa bazy nie mo\xBF"
    "e mie\xE6 sk\xB3"
    "adnika \".\" ani \"..\".",
    "The base name may not have a \".\" or \"..\" path component."};

bool hasControlCharacter(std::string_view name) {
    return std::any_of(name.begin(), name.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 32; });
}

bool hasDotComponent(std::string_view name) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = name.find('/', start);
        const std::string_view component = name.substr(start, slash - start);
        if (component == "." || component == "..") {
            return true;
        }
        if (slash == std::string_view::npos) {
            return false;
        }
        start = slash + 1;
    }
}

std::string inInterfaceLanguage(const Refusal& refusal) {
    return jezyk == "En" ? refusal.english : refusal.polish;
}

}  // namespace

std::optional<std::string> baseNameRefusal(std::string_view name) {
    if (name.empty()) {
        return inInterfaceLanguage(kEmptyName);
    }
    if (hasControlCharacter(name)) {
        return inInterfaceLanguage(kControlCharacter);
    }
    if (hasDotComponent(name)) {
        return inInterfaceLanguage(kDotComponent);
    }
    return std::nullopt;
}

}  // namespace difonik
