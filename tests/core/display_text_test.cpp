#include "analysis/display_text.h"

#include <gtest/gtest.h>

namespace difonik {
namespace {

TEST(LegibleEntry, ShowsControlsAndSpacesAsSymbolsAndLettersAsThemselves) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\r", u"\u240D"},       {"\n", u"\u240A"},      {"\t", u"\u2409"}, {" ", u"\u2423"},
        {"\xA0", u"\u237D"},     {"\x01", u"\u2401"},    {"\x7F", u"\u2421"}, {"\x81", u"[81]"},
        {"a\r", u"a\u240D"},     {"\xA3\xB9", u"\u0141\u0105"}, {"", u""},
    };
    for (const auto& [entry, shown] : cases) EXPECT_EQ(legibleEntry(entry), shown);
}

}  // namespace
}  // namespace difonik
