#include "analysis/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace difonik {
namespace {

const Collation& polish() {
    static const Collation collation("pl_PL");
    return collation;
}

TEST(Collation, FollowsThePolishAlphabetIgnoringCase) {
    // l < ł < m and a < ą < b in Polish; case plays no part.
    const std::vector<std::string> expected = {"a", "\xB9", "B", "l", "\xA3", "m", "z", "\xBF"};
    std::vector<std::string> sorted = {"z", "m", "\xA3", "B", "\xBF", "a", "l", "\xB9"};
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& x, const auto& y) { return polish().key(x) < polish().key(y); });
    EXPECT_EQ(sorted, expected);
}

TEST(Collation, GivesCaseVariantsTheSameKey) {
    EXPECT_EQ(polish().key("Ala"), polish().key("aLA"));
    EXPECT_EQ(polish().key("\xA3\xF3\x64\x9F"), polish().key("\xB3\xD3\x44\x8F"));  // Łódź, łÓDŹ
}

TEST(Collation, BreaksTiesBetweenTextsTheCollationCallsEqual) {
    // The collation ignores the control bytes 1 to 8 entirely, so "", "\x01", "\x02" and "a\x01"
    // collate like "" or "a"; they must still get distinct keys in a fixed order.
    const std::vector<std::string> texts = {"", "\x01", "\x02", "\x01\x02", "a\x01", "a", "\n", "\r"};
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_NE(polish().key(texts[i]), polish().key(texts[j])) << i << " " << j;
    EXPECT_LT(polish().key(""), polish().key("\x01"));
    EXPECT_LT(polish().key("\x01"), polish().key("\x02"));
    EXPECT_LT(polish().key("a"), polish().key("a\x01"));
}

struct EnvironmentCase {
    const char* lcAll;
    const char* lcCollate;
    const char* lang;
    const char* expected;
};

class CollationLocale : public ::testing::TestWithParam<EnvironmentCase> {
protected:
    void TearDown() override { setenv("LC_ALL", "pl_PL.UTF-8", 1); }
    static void set(const char* name, const char* value) {
        if (value != nullptr) setenv(name, value, 1);
        else unsetenv(name);
    }
};

TEST_P(CollationLocale, ComesFromTheEnvironment) {
    const auto& c = GetParam();
    set("LC_ALL", c.lcAll);
    set("LC_COLLATE", c.lcCollate);
    set("LANG", c.lang);
    EXPECT_EQ(collationLocaleFromEnvironment(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Variables, CollationLocale,
                         ::testing::Values(EnvironmentCase{"pl_PL.UTF-8", "de_DE", "en_US", "pl_PL"},
                                           EnvironmentCase{nullptr, "cs_CZ.ISO-8859-2", "en_US", "cs_CZ"},
                                           EnvironmentCase{nullptr, nullptr, "de_DE.UTF-8@euro", "de_DE"},
                                           EnvironmentCase{"C", nullptr, nullptr, ""},
                                           EnvironmentCase{nullptr, nullptr, nullptr, ""}));

}  // namespace
}  // namespace difonik
