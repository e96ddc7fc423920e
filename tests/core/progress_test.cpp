// A progress bar that draws in blocks hears only of the positions that change what it shows, and
// always of the last one a pass reaches.

#include <gtest/gtest.h>

#include "core_fakes.h"

namespace difonik {
namespace {

class BlockProgress : public ProgressIndicator {
public:
    void setMaximum(std::int64_t maximum) override { maximum_ = maximum; }
    void setPosition(std::int64_t position) override { positions.push_back(position); }
    std::int64_t nextVisiblePosition(std::int64_t position) const override {
        return (position / 100 + 1) * 100;
    }
    std::vector<std::int64_t> positions;

private:
    std::int64_t maximum_ = 0;
};

struct ThrottleCase {
    const char* name;
    bool connections;
    std::string text;
};

class ThrottledProgress : public ::testing::TestWithParam<ThrottleCase> {};

TEST_P(ThrottledProgress, ReportsOnlyVisibleChangesAndTheLastPosition) {
    const auto& c = GetParam();
    testing::Desk desk;
    desk.analysis.alfabet.add("a");
    BlockProgress bar;
    testing::FakeTextArea area(c.text);
    PassContext context{area, bar, desk.labels};
    if (c.connections) analyseConnections(desk.analysis, context);
    else buildAlphabet(desk.analysis, context);

    // Every position the pass reached again under the plain indicator, for comparison.
    testing::Desk plain;
    plain.analysis.alfabet.add("a");
    if (c.connections) plain.button2(c.text);
    else plain.button1(c.text);
    std::vector<std::int64_t> all;
    for (const auto& event : plain.log.events)
        if (event.rfind("pos ", 0) == 0) all.push_back(std::stoll(event.substr(4)));

    // First the start, last the reset; between them, the positions that cross a block boundary
    // and the last one the plain indicator saw before the reset.
    ASSERT_GE(bar.positions.size(), 2u);
    EXPECT_EQ(bar.positions.front(), 0);
    EXPECT_EQ(bar.positions.back(), 0);
    EXPECT_EQ(bar.positions[bar.positions.size() - 2], all[all.size() - 2]);
    for (std::size_t i = 1; i + 2 < bar.positions.size(); ++i) {
        EXPECT_NE(std::find(all.begin(), all.end(), bar.positions[i]), all.end());
        EXPECT_GT(bar.positions[i] / 100, bar.positions[i - 1] / 100);
    }
    EXPECT_LT(bar.positions.size(), all.size() / 50 + 4);
}

INSTANTIATE_TEST_SUITE_P(Passes, ThrottledProgress,
                         ::testing::Values(ThrottleCase{"Alphabet", false, std::string(1234, 'a')},
                                           ThrottleCase{"ConnectionsAllPairs", true, std::string(1235, 'a')},
                                           ThrottleCase{"ConnectionsMixed", true, [] {
                                               std::string s;
                                               for (int i = 0; i < 700; ++i) s += i % 3 ? "a" : "ab";
                                               return s;
                                           }()}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace difonik
