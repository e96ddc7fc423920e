// Which base names the save refuses, and in which language it says so.

#include "storage/base_name.h"

#include <gtest/gtest.h>

#include <string>

#include "analysis/counters.h"
#include "tests/support/case_name.h"

namespace difonik {
namespace {

using test::PrintTo;

using namespace std::string_literals;

struct NameCase {
    std::string label;
    std::string name;
    bool refused;
};

class BaseNameRefusal : public testing::TestWithParam<NameCase> {
protected:
    void TearDown() override { jezyk.clear(); }
};

TEST_P(BaseNameRefusal, RefusesOnlyNamesThatBreakTheRegisterOrLeaveTheBase) {
    const NameCase& c = GetParam();
    for (const char* language : {"", "Pl", "En"}) {
        jezyk = language;
        const auto refusal = baseNameRefusal(c.name);
        EXPECT_EQ(refusal.has_value(), c.refused) << "language \"" << language << '"';
        if (refusal) {
            EXPECT_FALSE(refusal->empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BaseNameRefusal,
    testing::Values(NameCase{"empty name", "", true},
                    NameCase{"LF", "ba\nza", true},
                    NameCase{"CR", "baza\r", true},
                    NameCase{"NUL", "ba\0za"s, true},
                    NameCase{"tab", "ba\tza", true},
                    NameCase{"byte 31", "baza\x1F", true},
                    NameCase{"dot", ".", true},
                    NameCase{"dot dot", "..", true},
                    NameCase{"dot dot first", "../baza", true},
                    NameCase{"dot dot in the middle", "a/../b", true},
                    NameCase{"dot dot last", "a/..", true},
                    NameCase{"dot component", "a/./b", true},
                    NameCase{"plain name", "baza", false},
                    NameCase{"space only", " ", false},
                    NameCase{"Polish letters", "\xA5\xB9\xEA\xB3\xBF", false},
                    NameCase{"byte 127 and 255", "a\x7F\xFF", false},
                    NameCase{"dots inside a component", "a..b/...", false},
                    NameCase{"hidden name", ".baza", false},
                    NameCase{"slashes", "a/b//c/", false},
                    NameCase{"leading slash", "/baza", false}),
    test::ByLabel());

TEST(BaseNameRefusalLanguage, SpeaksEnglishOnlyForTheEnglishInterface) {
    for (const std::string& name : {""s, "a\nb"s, ".."s}) {
        jezyk = "En";
        const auto english = baseNameRefusal(name);
        jezyk = "Pl";
        const auto polish = baseNameRefusal(name);
        jezyk = "";
        const auto atStart = baseNameRefusal(name);
        ASSERT_TRUE(english && polish && atStart);
        EXPECT_NE(*english, *polish);
        EXPECT_EQ(*atStart, *polish);
    }
    jezyk.clear();
}

}  // namespace
}  // namespace difonik
