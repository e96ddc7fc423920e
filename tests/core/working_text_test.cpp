#include "analysis/working_text.h"

#include <gtest/gtest.h>

#include "analysis/errors.h"
#include "core_fakes.h"

namespace difonik {
namespace {

class WorkingText : public ::testing::Test {
protected:
    void SetUp() override { tekst.clear(); }
};

// A text area that lends its bytes to the snapshot, as the window's does, and drops them when
// it gets a new text.
class LendingTextArea : public TextSource {
public:
    explicit LendingTextArea(std::string text) { setText(std::move(text)); }
    std::string_view text() const override { return *bytes_; }
    std::optional<SharedText> lendText() const override { return SharedText{bytes_, *bytes_}; }
    void setText(std::string text) { bytes_ = std::make_shared<const std::string>(std::move(text)); }

private:
    std::shared_ptr<const std::string> bytes_;
};

TEST_F(WorkingText, ReadsLowerCasedCharactersByOneBasedPosition) {
    tekst = "Alfabet";
    EXPECT_EQ(znak_tekstu(1), "a");
    EXPECT_EQ(znak_tekstu(2), "l");
    EXPECT_EQ(znak_tekstu(7), "t");
}

TEST_F(WorkingText, LowerCasesOnlyAToZ) {
    for (int byte : {163, 165, 255, 13, 9, 202, 140, int('1'), int('[')}) {
        tekst = std::string(1, static_cast<char>(byte));
        EXPECT_EQ(znak_tekstu(1), tekst) << byte;
    }
    tekst = "AZ";
    EXPECT_EQ(znak_tekstu(1) + znak_tekstu(2), "az");
}

TEST_F(WorkingText, PositionsOutsideTheTextRaiseRangeCheckError) {
    tekst = "abc";
    for (std::int32_t position : {0, -1, 4, INT32_MIN}) {
        try {
            znak_tekstu(position);
            ADD_FAILURE() << position;
        } catch (const ERangeError& error) {
            EXPECT_STREQ(error.what(), "Range check error");
        }
    }
    tekst.clear();
    EXPECT_THROW(znak_tekstu(1), ERangeError);
}

TEST(SpaceTest, OnlyByte32IsASpace) {
    EXPECT_TRUE(isSpace(" "));
    for (const char* other : {"\t", "\r", "\n", "\xA0", "", "  ", "a"}) EXPECT_FALSE(isSpace(other)) << other;
}

TEST_F(WorkingText, KeepsTheSnapshotUntilTheNextPass) {
    testing::Desk desk;
    desk.button1("abc");
    desk.textArea.setText("x");
    EXPECT_EQ(tekst, "abc");
    desk.log.events.clear();
    buildAlphabet(desk.analysis, desk.context());
    EXPECT_EQ(tekst, "x");
    EXPECT_EQ(desk.log.events.front(), "max 1");
}

TEST_F(WorkingText, KeepsLentBytesAfterTheLenderLetsGoOfThem) {
    LendingTextArea area("abc");
    snapshot(area);
    area.setText("x");
    EXPECT_EQ(tekst, "abc");
    EXPECT_EQ(znak_tekstu(3), "c");
    snapshot(testing::FakeTextArea("copied"));
    EXPECT_EQ(tekst, "copied");
}

TEST_F(WorkingText, CopiesPartOfItsOwnLentBytes) {
    LendingTextArea area("abc");
    snapshot(area);
    area.setText("x");  // the snapshot holds the only reference to its bytes
    tekst.assign(tekst.view().substr(1));
    EXPECT_EQ(tekst, "bc");
}

}  // namespace
}  // namespace difonik
