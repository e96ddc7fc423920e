#include "analysis/collation.h"

#include <unicode/ucol.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "analysis/cp1250.h"

namespace difonik {
namespace {

// "pl_PL.UTF-8@euro" -> "pl_PL"; "C" and "POSIX" have no collation of their own.
std::string icuLocaleOf(std::string posixLocale) {
    posixLocale = posixLocale.substr(0, posixLocale.find_first_of(".@"));
    if (posixLocale == "C" || posixLocale == "POSIX") return "";
    return posixLocale;
}

}  // namespace

std::string collationLocaleFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return icuLocaleOf(value);
    }
    return "";
}

const Collation& Collation::forUserLocale() {
    static const Collation instance(collationLocaleFromEnvironment());
    return instance;
}

Collation::Collation(const std::string& locale) {
    UErrorCode status = U_ZERO_ERROR;
    collator_ = ucol_open(locale.c_str(), &status);
    if (U_FAILURE(status)) throw std::runtime_error("ICU cannot open a collator for '" + locale + "'");
    // Secondary strength: letters and their accents count, letter case does not.
    ucol_setStrength(collator_, UCOL_SECONDARY);
}

Collation::~Collation() { ucol_close(collator_); }

std::string Collation::key(std::string_view text) const {
    const std::u16string utf16 = cp1250::toUtf16(text);
    const auto* source = reinterpret_cast<const UChar*>(utf16.data());
    const auto length = static_cast<int32_t>(utf16.size());

    std::string result(32 + 4 * utf16.size(), '\0');
    auto* buffer = reinterpret_cast<uint8_t*>(result.data());
    int32_t needed = ucol_getSortKey(collator_, source, length, buffer, int32_t(result.size()));
    if (needed > int32_t(result.size())) {
        result.resize(std::size_t(needed));
        buffer = reinterpret_cast<uint8_t*>(result.data());
        needed = ucol_getSortKey(collator_, source, length, buffer, needed);
    }
    // The sort key ends with its zero byte, which no other byte of a sort key equals, so the
    // folded text behind it only decides between texts whose collation ties.
    result.resize(std::size_t(needed));
    result += cp1250::folded(text);
    return result;
}

}  // namespace difonik
