#include "analysis/display_text.h"

#include <gtest/gtest.h>

namespace difonik {
namespace {

TEST(LegibleEntry, ShowsControlsAndSpacesAsSymbolsAndLettersAsThemselves) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\r", u"\u21B5"},       {"\n", u"\u2193"},      {"\t", u"\u21E5"}, {" ", u"\u2423"},
        {"\xA0", u"\u237D"},     {"\x01", u"[01]"},     {"\x7F", u"[7F]"},  {"\x81", u"[81]"},
        {"a\r", u"a\u21B5"},     {"\xA3\xB9", u"\u0141\u0105"}, {"", u""},
    };
    for (const auto& [entry, shown] : cases) EXPECT_EQ(legibleEntry(entry), shown);
}

}  // namespace
}  // namespace difonik
