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

TEST_P(LineBreaks, BecomeCrLfInPlace) {
    std::string text = GetParam().loaded;
    text.reserve(2 * text.size() + 32);
    normaliseLineBreaksInPlace(text);
    EXPECT_EQ(text, GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineBreaks,
    ::testing::Values(BreakCase{"Empty", "", ""}, BreakCase{"NoBreaks", "ala ma kota", "ala ma kota"},
                      BreakCase{"LfEnds", "a\nb\n", "a\r\nb\r\n"}, BreakCase{"CrLfStays", "a\r\nb", "a\r\nb"},
                      BreakCase{"CrAtTheEnd", "ab\r", "ab\r\n"}, BreakCase{"LfCrIsTwoBreaks", "a\n\rb", "a\r\n\r\nb"},
                      BreakCase{"CrCrLfIsTwoBreaks", "a\r\r\nb", "a\r\n\r\nb"},
                      BreakCase{"OtherBytesCopied", std::string("\0\xFF\t", 3), std::string("\0\xFF\t", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

// Longer than any short-string buffer, with every kind of break, at the start, in runs and at
// the end: in place with room to spare and with none, the same as a copy.
TEST(LineBreaksInPlace, GiveWhatTheCopyGives) {
    std::string loaded = "\n\r";
    for (int i = 0; i < 200; ++i) loaded += "ab\ncd\r\n\r\ref\n\n\rgh\r\r\n" + std::to_string(i);
    loaded += "\r";
    const std::string normalised = normaliseLineBreaks(loaded);
    for (const std::size_t room : {std::size_t(0), loaded.size()}) {
        std::string text = loaded;
        text.shrink_to_fit();
        text.reserve(text.size() + room);
        normaliseLineBreaksInPlace(text);
        EXPECT_EQ(text, normalised) << room;
    }
}

}  // namespace
}  // namespace difonik
