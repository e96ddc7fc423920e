#include "analysis/passes.h"

#include <gtest/gtest.h>

#include "analysis/errors.h"
#include "core_fakes.h"

namespace difonik {
namespace {

using testing::Desk;
using testing::entriesOf;
using Entries = std::vector<std::string>;

class PassTest : public ::testing::Test {
protected:
    void SetUp() override {
        tekst.clear();
        jezyk.clear();
    }
    Desk desk;
    SymbolList& alfabet = desk.analysis.alfabet;
    SymbolList& powiazania = desk.analysis.powiazania;
};

// ---- The alphabet pass ----

struct AlphabetCase {
    const char* name;
    std::string text;
    Entries expected;  // in list order
};

class AlphabetPass : public PassTest, public ::testing::WithParamInterface<AlphabetCase> {};

TEST_P(AlphabetPass, AddsEachLowerCasedCharacterOnceLeavingOutTheSpace) {
    desk.button1(GetParam().text);
    EXPECT_EQ(entriesOf(alfabet), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AlphabetPass,
    ::testing::Values(
        AlphabetCase{"Empty", "", {}},
        AlphabetCase{"SpacesOnly", "    ", {}},
        AlphabetCase{"Powiazania", "Powiazania", {"a", "i", "n", "o", "p", "w", "z"}},
        AlphabetCase{"ConnectionsAnalysis", "Connections analysis", {"a", "c", "e", "i", "l", "n", "o", "s", "t", "y"}},
        AlphabetCase{"TwoLinesBringCrAndLf", "Ab\r\nba", {"\n", "\r", "a", "b"}},
        AlphabetCase{"CapitalLStrokeBeforeSmall", "\xA3\xB3", {"\xA3"}},
        AlphabetCase{"LastCharacterCounts", "aab", {"a", "b"}},
        AlphabetCase{"OneCharacterText", "Q", {"q"}},
        AlphabetCase{"TabNoBreakSpaceDigitsPunctuation", "\t\xA0" "1.", {"\t", "\xA0", ".", "1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PassTest, AlphabetPassAddsNothingTheSecondTimeAndAgainWhatWasRemoved) {
    desk.button1("Powiazania");
    desk.button1("Powiazania");
    EXPECT_EQ(alfabet.count(), 7);
    alfabet.setTicked(alfabet.findExact("a"), true);
    removeTicked(desk.analysis, alfabet, desk.labels);
    EXPECT_FALSE(jest_w_alfabecie(desk.analysis, "a"));
    desk.button1("Powiazania");
    EXPECT_TRUE(jest_w_alfabecie(desk.analysis, "a"));
    EXPECT_EQ(alfabet.count(), 7);
}

TEST_F(PassTest, HandAddedCapitalStopsTheSmallLetter) {
    addByHand(desk.analysis, alfabet, "A", desk.labels);
    desk.button1("Aa");
    EXPECT_EQ(entriesOf(alfabet), Entries{"A"});
}

TEST_F(PassTest, TicksSurviveAPassAndNewEntriesComeInClear) {
    addByHand(desk.analysis, alfabet, "m", desk.labels);
    alfabet.setTicked(0, true);
    desk.button1("zma");
    EXPECT_EQ(entriesOf(alfabet), (Entries{"a", "m", "z"}));
    EXPECT_FALSE(alfabet.ticked(0));
    EXPECT_TRUE(alfabet.ticked(1));
    EXPECT_FALSE(alfabet.ticked(2));
    removeTicked(desk.analysis, alfabet, desk.labels);
    EXPECT_EQ(entriesOf(alfabet), (Entries{"a", "z"}));
}

TEST_F(PassTest, AlphabetPassReportsEveryPositionUpToOnePastTheEnd) {
    desk.button1("abc");
    EXPECT_EQ(desk.log.events,
              (Entries{"max 3", "pos 0", "pos 2", "pos 3", "pos 4", "counters", "pos 0"}));
}

TEST_F(PassTest, AlphabetPassOverAnEmptyTextStillRefreshesAndResets) {
    desk.button1("");
    EXPECT_EQ(desk.log.events, (Entries{"max 0", "pos 0", "counters", "pos 0"}));
}

// ---- The connection pass ----

struct ConnectionCase {
    const char* name;
    Entries alphabet;
    std::string text;
    Entries expected;  // in list order
};

class ConnectionPass : public PassTest, public ::testing::WithParamInterface<ConnectionCase> {};

TEST_P(ConnectionPass, AddsNonOverlappingPairsOfAlphabetCharacters) {
    for (const auto& entry : GetParam().alphabet) alfabet.add(entry);
    ASSERT_TRUE(desk.button2(GetParam().text));
    EXPECT_EQ(entriesOf(powiazania), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConnectionPass,
    ::testing::Values(
        ConnectionCase{"AlaMaKota", {"a", "k", "l", "m", "o", "t"}, "ala ma kota", {"al", "ko", "ma", "ta"}},
        ConnectionCase{"PairsDoNotOverlap", {"a", "b", "c"}, "abc", {"ab"}},
        ConnectionCase{"CharacterOutsideAlphabetMovesOnByOne", {"a", "b"}, "xab", {"ab"}},
        ConnectionCase{"WithXTooOnlyXaForms", {"a", "b", "x"}, "xab", {"xa"}},
        ConnectionCase{"RepeatedPairAddedOnce", {"a"}, "aaaa", {"aa"}},
        ConnectionCase{"CapitalsAreLowerCased", {"a", "l"}, "Ala", {"al"}},
        ConnectionCase{"SpaceNeverPairsEvenInTheAlphabet", {"a", "b", " "}, "a b", {}},
        ConnectionCase{"LineBreakPairWithCrLfInAlphabet", {"a", "b", "c", "d", "\r", "\n"}, "ab\r\ncd",
                       {"\r\n", "ab", "cd"}},
        ConnectionCase{"LineBreaksRemovedFromAlphabet", {"a", "b", "c", "d"}, "ab\r\ncd", {"ab", "cd"}},
        ConnectionCase{"OddOffsetAcrossALineBreak", {"a", "b", "c", "d", "\r", "\n"}, "abc\r\nd",
                       {"\nd", "ab", "c\r"}},
        ConnectionCase{"LongHandAddedEntryNeverMatches", {"ab"}, "abab", {}},
        ConnectionCase{"OneCharacterText", {"a"}, "a", {}},
        ConnectionCase{"PolishCapitalsStayAsWritten", {"\xA3", "a"}, "\xA3" "a\xB3" "a", {"\xA3" "a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PassTest, ConnectionPassRefusesWhileTheAlphabetIsEmpty) {
    desk.button1("");  // an empty alphabet, and tekst = ""
    tekst = "before";
    desk.log.events.clear();
    EXPECT_FALSE(desk.button2("ala"));
    EXPECT_EQ(tekst, "before");
    EXPECT_TRUE(desk.log.events.empty());
    EXPECT_EQ(powiazania.count(), 0);
    EXPECT_STREQ(kEmptyAlphabetMessage,
                 "Najpierw dokonaj analizy wyciagajacej alfabet z tekstu \n"
                 " Nastepnie go przeanalizuj usuwajac niepotrzebne znaki \n"
                 " potem mozna opracowac powiazania");
}

TEST_F(PassTest, ConnectionPassFollowsTheWorkedExampleStepByStep) {
    desk.button1("ala ma kota");
    desk.log.events.clear();
    desk.button2("ala ma kota");
    EXPECT_EQ(desk.log.events, (Entries{"max 11", "pos 0", "pos 3", "pos 4", "pos 5", "pos 7", "pos 8",
                                        "pos 10", "pos 12", "counters", "pos 0"}));
    EXPECT_EQ(desk.labels.captions, (Entries{"Alfabet: 6", "Powiazania: 4", "Sampli: 10"}));
}

TEST_F(PassTest, ConnectionPassReportsOnePastTheMaximumWhenTheLastPairEndsTheText) {
    alfabet.add("a");
    alfabet.add("b");
    desk.button2("ab");
    EXPECT_EQ(desk.log.events, (Entries{"max 2", "pos 0", "pos 3", "counters", "pos 0"}));
}

TEST_F(PassTest, HandAddedConnectionInCapitalsStopsTheSamePair) {
    alfabet.add("a");
    alfabet.add("b");
    addByHand(desk.analysis, powiazania, "AB", desk.labels);
    desk.button2("ab ab");
    desk.button2("ab ab");
    EXPECT_EQ(entriesOf(powiazania), Entries{"AB"});
}

TEST_F(PassTest, ConnectionPassUsesTheNewTextWithTheOldAlphabet) {
    desk.button1("ab");
    desk.button2("abxy");
    EXPECT_EQ(entriesOf(powiazania), Entries{"ab"});
    EXPECT_EQ(tekst, "abxy");
}

// ---- A list that cannot take an entry stops the pass where it is ----

class RefuseAfter : public ListObserver {
public:
    explicit RefuseAfter(int allowed) : allowed_(allowed) {}
    void beginInsert(int) override {
        if (allowed_-- == 0) throw EOutOfResources();
    }
    void endInsert() override {}
    void beginRemove(int) override {}
    void endRemove() override {}

private:
    int allowed_;
};

TEST_F(PassTest, AFullAlphabetStopsThePassKeepingWhatWasAdded) {
    RefuseAfter refuse(1);
    alfabet.setObserver(&refuse);
    EXPECT_THROW(desk.button1("abc"), EOutOfResources);
    EXPECT_EQ(entriesOf(alfabet), Entries{"a"});
    EXPECT_EQ(desk.log.events, (Entries{"max 3", "pos 0", "pos 2"}));  // no refresh, no reset
    EXPECT_EQ(tekst, "abc");
}

TEST_F(PassTest, AFullConnectionListStopsThePassKeepingWhatWasAdded) {
    alfabet.add("a");
    alfabet.add("b");
    RefuseAfter refuse(1);
    powiazania.setObserver(&refuse);
    EXPECT_THROW(desk.button2("ab ba"), EOutOfResources);
    EXPECT_EQ(entriesOf(powiazania), Entries{"ab"});
    EXPECT_EQ(desk.log.events, (Entries{"max 5", "pos 0", "pos 3", "pos 4"}));
}

// ---- Hand edits and counters ----

TEST_F(PassTest, HandAddTakesTheEditTextAsItStands) {
    addByHand(desk.analysis, alfabet, "", desk.labels);
    addByHand(desk.analysis, alfabet, "abc", desk.labels);
    addByHand(desk.analysis, alfabet, "abc", desk.labels);
    EXPECT_EQ(entriesOf(alfabet), (Entries{"", "abc", "abc"}));
    EXPECT_EQ(desk.labels.captions, (Entries{"Alfabet: 3", "Powiazania: 0", "Sampli: 3"}));
}

TEST_F(PassTest, RemoveWithNothingTickedOnlyRefreshesAndWithAllTickedEmpties) {
    removeTicked(desk.analysis, powiazania, desk.labels);
    EXPECT_EQ(desk.labels.captions, (Entries{"Alfabet: 0", "Powiazania: 0", "Sampli: 0"}));
    for (const char* text : {"a", "b", "c"}) alfabet.add(text);
    for (int i = 0; i < 3; ++i) alfabet.setTicked(i, true);
    removeTicked(desk.analysis, alfabet, desk.labels);
    EXPECT_EQ(alfabet.count(), 0);
}

TEST_F(PassTest, CountersFollowTheInterfaceLanguage) {
    for (const char* text : {"a", "b", "c"}) alfabet.add(text);
    for (const char* text : {"ab", "bc", "ca", "aa", "bb"}) powiazania.add(text);
    const std::pair<const char*, Entries> cases[] = {
        {"", {"Alfabet: 3", "Powiazania: 5", "Sampli: 8"}},
        {"Pl", {"Alfabet: 3", "Powiazania: 5", "Sampli: 8"}},
        {"En", {"Alphabet: 3", "Connections: 5", "Samples: 8"}},
    };
    for (const auto& [language, expected] : cases) {
        jezyk = language;
        odswiez_liczniki(desk.analysis, desk.labels);
        EXPECT_EQ(desk.labels.captions, expected) << language;
    }
}

// ---- The sample list ----

TEST_F(PassTest, SamplesAreTheAlphabetThenTheConnectionsAppendedOnEveryPress) {
    desk.button1("ala ma kota");
    desk.button2("ala ma kota");
    alfabet.setTicked(0, true);
    composeSamples(desk.analysis);
    const Entries once = {"a", "k", "l", "m", "o", "t", "al", "ko", "ma", "ta"};
    EXPECT_EQ(desk.analysis.lista_sampli.entries(), once);
    composeSamples(desk.analysis);
    Entries twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(desk.analysis.lista_sampli.entries(), twice);
    EXPECT_TRUE(alfabet.ticked(0));
    EXPECT_EQ(desk.labels.captions.back(), "Sampli: 10");
}

TEST_F(PassTest, SamplesKeepHandAddedCapitals) {
    addByHand(desk.analysis, alfabet, "Q", desk.labels);
    composeSamples(desk.analysis);
    EXPECT_EQ(desk.analysis.lista_sampli.entries(), Entries{"Q"});
}

}  // namespace
}  // namespace difonik
