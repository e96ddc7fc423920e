#include "analysis/cp1250.h"

#include <gtest/gtest.h>

namespace difonik::cp1250 {
namespace {

struct LetterPair {
    const char* name;
    unsigned char capital;
    unsigned char small;
};

class CaseFold : public ::testing::TestWithParam<LetterPair> {};

TEST_P(CaseFold, CapitalAndSmallFormAreEqual) {
    const auto [name, capital, small] = GetParam();
    EXPECT_EQ(fold(capital), small) << name;
    EXPECT_EQ(fold(small), small) << name;
    EXPECT_TRUE(equalIgnoringCase(std::string(1, char(capital)), std::string(1, char(small)))) << name;
}

INSTANTIATE_TEST_SUITE_P(Windows1250, CaseFold,
                         ::testing::Values(LetterPair{"A", 'A', 'a'}, LetterPair{"Z", 'Z', 'z'},
                                           LetterPair{"L_stroke", 163, 179}, LetterPair{"A_ogonek", 165, 185},
                                           LetterPair{"S_acute", 140, 156}, LetterPair{"Z_acute", 143, 159},
                                           LetterPair{"Z_dot", 175, 191}, LetterPair{"C_acute", 198, 230},
                                           LetterPair{"E_ogonek", 202, 234}, LetterPair{"N_acute", 209, 241},
                                           LetterPair{"O_acute", 211, 243}, LetterPair{"S_caron", 138, 154},
                                           LetterPair{"L_caron", 188, 190}, LetterPair{"T_cedilla", 222, 254}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CaseFold, LeavesBytesWithoutAPairInTheCodePageAlone) {
    // The multiplication and division signs sit where letter pairs do; sharp s and micro have
    // their other form outside the code page; digits, controls and punctuation have none.
    for (int byte : {215, 247, 223, 181, 255, 160, 13, 10, 9, int('1'), int('.'), int(' ')}) {
        EXPECT_EQ(fold(static_cast<unsigned char>(byte)), byte) << byte;
    }
    EXPECT_FALSE(equalIgnoringCase("\xD7", "\xF7"));
}

TEST(CaseFold, IsIdempotentAndPairsAreSymmetric) {
    for (int byte = 0; byte < 256; ++byte) {
        const unsigned char small = fold(static_cast<unsigned char>(byte));
        EXPECT_EQ(fold(small), small) << byte;
    }
}

TEST(CaseInsensitiveEquality, NeedsTheSameLength) {
    EXPECT_TRUE(equalIgnoringCase("AbC", "aBc"));
    EXPECT_FALSE(equalIgnoringCase("ab", "abc"));
    EXPECT_FALSE(equalIgnoringCase("ab", "ac"));
    EXPECT_TRUE(equalIgnoringCase("", ""));
}

TEST(Conversion, EveryByteOneTo255SurvivesARoundTripThroughUnicode) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    EXPECT_EQ(fromUtf16(toUtf16(all)), all);
}

TEST(Conversion, MapsPolishLettersToTheirCodePoints) {
    EXPECT_EQ(toUnicode(163), u'\u0141');  // Ł
    EXPECT_EQ(toUnicode(185), u'\u0105');  // ą
    EXPECT_EQ(toUnicode(0x80), u'\u20AC');  // euro sign
}

TEST(Conversion, ReplacesCharactersTheCodePageLacks) {
    EXPECT_EQ(fromUtf16(u"a\u0416b"), "a?b");  // Cyrillic Zhe
    EXPECT_EQ(fromUtf16(u"\U0001F600"), "?");   // one replacement for a surrogate pair
}

}  // namespace
}  // namespace difonik::cp1250
