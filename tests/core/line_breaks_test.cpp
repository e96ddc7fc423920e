#include "analysis/line_breaks.h"

#include <gtest/gtest.h>

namespace difonik {
namespace {

struct BreakCase {
    const char* name;
    std::string loaded;
    std::string normalised;
};

class LineBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(LineBreaks, BecomeCrLf) { EXPECT_EQ(normaliseLineBreaks(GetParam().loaded), GetParam().normalised); }

INSTANTIATE_TEST_SUITE_P(
    Texts, LineBreaks,
    ::testing::Values(BreakCase{"Empty", "", ""}, BreakCase{"NoBreaks", "ala ma kota", "ala ma kota"},
                      BreakCase{"LfEnds", "a\nb\n", "a\r\nb\r\n"}, BreakCase{"CrLfStays", "a\r\nb", "a\r\nb"},
                      BreakCase{"CrAtTheEnd", "ab\r", "ab\r\n"}, BreakCase{"LfCrIsTwoBreaks", "a\n\rb", "a\r\n\r\nb"},
                      BreakCase{"CrCrLfIsTwoBreaks", "a\r\r\nb", "a\r\n\r\nb"},
                      BreakCase{"OtherBytesCopied", std::string("\0\xFF\t", 3), std::string("\0\xFF\t", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace difonik
