#pragma once
// The order of the symbol lists: the locale collation of the user's locale, ignoring case, made a
// strict total order that agrees with case-insensitive equality.

#include <memory>
#include <string>
#include <string_view>

struct UCollator;

namespace difonik {

class Collation {
public:
    // The collation of the user's locale, from LC_ALL, LC_COLLATE or LANG; the root collation for
    // "C", "POSIX" or an unset environment.
    static const Collation& forUserLocale();

    // An ICU locale identifier such as "pl_PL" or "en_US".
    explicit Collation(const std::string& locale);
    ~Collation();
    Collation(const Collation&) = delete;
    Collation& operator=(const Collation&) = delete;

    // A byte string whose plain byte order is the list order of the texts. Texts equal under the
    // case-insensitive comparison get the same key. Where the collation calls two unequal texts
    // equal (it ignores most control characters, such as the bytes 1 to 8, entirely), their
    // case-folded bytes decide.
    std::string key(std::string_view text) const;

private:
    UCollator* collator_;
};

// The ICU locale identifier that the environment asks for collation ("pl_PL" for "pl_PL.UTF-8").
std::string collationLocaleFromEnvironment();

}  // namespace difonik
