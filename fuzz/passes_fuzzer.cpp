// The alphabet and connection passes on any text with any lists beforehand: hand-added entries of
// any length, capitals, duplicates, ticked or not. The passes must do exactly what a literal,
// step-by-step reading of them does on a twin of the lists, and their result must keep the
// invariants that hold whatever the implementation:
// - every entry the alphabet pass added is one lower-cased, non-space character of the text, and
//   every such character ends up equal to some alphabet entry;
// - no two entries a pass added are equal under the lists' comparison, nor equal to an entry
//   that was there before;
// - every connection added is two neighbouring characters of the text, lower-cased, both
//   non-space alphabet entries;
// - both lists stay in key order, old entries keep their check marks and new ones come in clear.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis.h"
#include "analysis/collation.h"
#include "analysis/cp1250.h"
#include "analysis/passes.h"
#include "fuzz_check.h"

namespace {

using namespace difonik;

const Collation& polish() {
    static const Collation collation("pl_PL");
    return collation;
}

struct Entry {
    std::string text;
    bool ticked = false;
    bool operator==(const Entry&) const = default;
};
using Entries = std::vector<Entry>;

Entries entriesOf(const SymbolList& list) {
    Entries entries;
    list.forEach([&](const std::string& text, bool ticked) { entries.push_back({text, ticked}); });
    return entries;
}

class TextArea : public TextSource {
public:
    std::string_view text() const override { return text_; }
    std::string text_;
};

// Holds the indicator to its convention: maximum first, positions that never go back and end at
// most one past the maximum, and 0 at the end.
class CheckingProgress : public ProgressIndicator {
public:
    void setMaximum(std::int64_t maximum) override {
        maximum_ = maximum;
        last_ = -1;
    }
    void setPosition(std::int64_t position) override {
        FUZZ_CHECK(maximum_ >= 0);
        FUZZ_CHECK(position == 0 || (position >= last_ && position <= maximum_ + 1));
        last_ = position;
    }
    void expectEnded(std::int64_t maximum) const { FUZZ_CHECK(maximum_ == maximum && last_ == 0); }

private:
    std::int64_t maximum_ = -1;
    std::int64_t last_ = -1;
};

class Labels : public CounterLabels {
public:
    void setCounterCaptions(const std::string& a, const std::string& p, const std::string& s) override {
        captions = a + "|" + p + "|" + s;
    }
    std::string captions;
};

std::string expectedCaptions(const Analysis& analysis) {
    const int a = analysis.alfabet.count();
    const int p = analysis.powiazania.count();
    return "Alfabet: " + std::to_string(a) + "|Powiazania: " + std::to_string(p) + "|Sampli: " + std::to_string(a + p);
}

// ---- The passes read literally, one position and one list query at a time ----

void referenceAlphabetPass(Analysis& analysis, std::string_view text) {
    tekst.assign(text);
    for (std::int32_t i = 1; i <= std::int32_t(tekst.size()); ++i) {
        const std::string c = znak_tekstu(i);
        if (!jest_w_alfabecie(analysis, c) && !isSpace(c)) analysis.alfabet.add(c);
    }
}

void referenceConnectionPass(Analysis& analysis, std::string_view text) {
    if (analysis.alfabet.count() == 0) return;
    tekst.assign(text);
    const std::int32_t n = std::int32_t(tekst.size());
    for (std::int32_t i = 1; i < n; ++i) {
        const std::string first = znak_tekstu(i);
        const std::string second = znak_tekstu(i + 1);
        if (isSpace(first) || isSpace(second) || !jest_w_alfabecie(analysis, first) ||
            !jest_w_alfabecie(analysis, second))
            continue;
        ++i;  // the second character is used up by the pair
        if (!jest_w_powiazaniach(analysis, first + second)) analysis.powiazania.add(first + second);
    }
}

// ---- Invariants checked on the result alone ----

// The entries of `after` that `before` lacks, counting duplicates: a pass only ever adds.
std::vector<std::string> addedEntries(const Entries& before, const Entries& after) {
    std::vector<std::string> old, now, added;
    for (const Entry& e : before) old.push_back(e.text);
    for (const Entry& e : after) now.push_back(e.text);
    std::sort(old.begin(), old.end());
    std::sort(now.begin(), now.end());
    FUZZ_CHECK(std::includes(now.begin(), now.end(), old.begin(), old.end()));
    std::set_difference(now.begin(), now.end(), old.begin(), old.end(), std::back_inserter(added));
    return added;
}

bool equalToAny(std::string_view text, const std::vector<std::string>& others) {
    return std::any_of(others.begin(), others.end(),
                       [&](const std::string& other) { return cp1250::equalIgnoringCase(text, other); });
}

bool equalToAnyEntry(std::string_view text, const Entries& entries) {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const Entry& entry) { return cp1250::equalIgnoringCase(text, entry.text); });
}

void checkAddedAreNew(const std::vector<std::string>& added, const Entries& before) {
    for (std::size_t i = 0; i < added.size(); ++i) {
        FUZZ_CHECK(!equalToAnyEntry(added[i], before));
        FUZZ_CHECK(!equalToAny(added[i], std::vector<std::string>(added.begin(), added.begin() + std::ptrdiff_t(i))));
    }
}

// Sorted by key; the entries that were there keep their marks; the new ones are clear.
void checkListKept(const Entries& before, const Entries& after) {
    for (std::size_t i = 1; i < after.size(); ++i)
        FUZZ_CHECK(!(polish().key(after[i].text) < polish().key(after[i - 1].text)));
    const auto ticked = [](const Entries& entries) {
        std::vector<std::string> texts;
        for (const Entry& e : entries)
            if (e.ticked) texts.push_back(e.text);
        std::sort(texts.begin(), texts.end());
        return texts;
    };
    FUZZ_CHECK(ticked(before) == ticked(after));
}

char lowered(char byte) { return static_cast<char>(lowerAscii(static_cast<unsigned char>(byte))); }

void checkAlphabetPass(std::string_view text, const Entries& before, const Entries& after) {
    const std::vector<std::string> added = addedEntries(before, after);
    for (const std::string& entry : added) {
        FUZZ_CHECK(entry.size() == 1 && entry != " ");
        FUZZ_CHECK(std::any_of(text.begin(), text.end(), [&](char byte) { return lowered(byte) == entry[0]; }));
    }
    checkAddedAreNew(added, before);
    checkListKept(before, after);
    for (const char byte : text)
        if (byte != ' ') FUZZ_CHECK(equalToAnyEntry(std::string(1, lowered(byte)), after));
}

bool isAlphabetCharacter(char byte, const Entries& alphabet) {
    return byte != ' ' && equalToAnyEntry(std::string(1, byte), alphabet);
}

bool occursAsNeighbours(std::string_view text, const std::string& pair) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (lowered(text[i]) == pair[0] && lowered(text[i + 1]) == pair[1]) return true;
    return false;
}

void checkConnectionPass(std::string_view text, const Entries& alphabet, const Entries& before, const Entries& after) {
    const std::vector<std::string> added = addedEntries(before, after);
    for (const std::string& pair : added) {
        FUZZ_CHECK(pair.size() == 2);
        FUZZ_CHECK(isAlphabetCharacter(pair[0], alphabet) && isAlphabetCharacter(pair[1], alphabet));
        FUZZ_CHECK(occursAsNeighbours(text, pair));
    }
    checkAddedAreNew(added, before);
    checkListKept(before, after);
}

// ---- One scenario: lists made by hand, then the passes, compared with their twins ----

struct Desk {
    Analysis analysis{SymbolList(polish()), SymbolList(polish()), {}};
    TextArea area;
    CheckingProgress progress;
    Labels labels;
    PassContext context() { return {area, progress, labels}; }
};

void addByHand(FuzzedDataProvider& data, SymbolList& list, SymbolList& twin, int count) {
    for (int k = 0; k < count; ++k) {
        const std::string text = data.ConsumeRandomLengthString();
        const bool tick = data.ConsumeBool();
        list.setTicked(list.add(text), tick);
        twin.setTicked(twin.add(text), tick);
    }
}

void runAlphabetPass(Desk& desk, Analysis& twin, const std::string& text) {
    const Entries before = entriesOf(desk.analysis.alfabet);
    desk.area.text_ = text;
    buildAlphabet(desk.analysis, desk.context());
    referenceAlphabetPass(twin, text);

    FUZZ_CHECK(tekst == text);
    desk.progress.expectEnded(std::int64_t(text.size()));
    FUZZ_CHECK(desk.labels.captions == expectedCaptions(desk.analysis));
    FUZZ_CHECK(entriesOf(desk.analysis.alfabet) == entriesOf(twin.alfabet));
    checkAlphabetPass(text, before, entriesOf(desk.analysis.alfabet));
}

void runConnectionPass(Desk& desk, Analysis& twin, const std::string& text) {
    const Entries before = entriesOf(desk.analysis.powiazania);
    const bool alphabetEmpty = desk.analysis.alfabet.count() == 0;
    const std::string tekstBefore = tekst;
    desk.labels.captions.clear();
    desk.area.text_ = text;
    FUZZ_CHECK(analyseConnections(desk.analysis, desk.context()) == !alphabetEmpty);
    referenceConnectionPass(twin, text);

    if (alphabetEmpty) {
        FUZZ_CHECK(tekst == tekstBefore && desk.labels.captions.empty());
    } else {
        FUZZ_CHECK(tekst == text);
        desk.progress.expectEnded(std::int64_t(text.size()));
        FUZZ_CHECK(desk.labels.captions == expectedCaptions(desk.analysis));
    }
    FUZZ_CHECK(entriesOf(desk.analysis.powiazania) == entriesOf(twin.powiazania));
    checkConnectionPass(text, entriesOf(desk.analysis.alfabet), before, entriesOf(desk.analysis.powiazania));
}

}  // namespace

// Input: how many hand-made entries each list gets, which passes run, the entries with their
// check marks, an optional second text for a second round, and the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const int alphabetEntries = data.ConsumeIntegralInRange<int>(0, 12);
    const int connectionEntries = data.ConsumeIntegralInRange<int>(0, 6);
    const bool alphabetPassFirst = data.ConsumeBool();
    const bool secondRound = data.ConsumeBool();

    Desk desk;
    Analysis twin{SymbolList(polish()), SymbolList(polish()), {}};
    addByHand(data, desk.analysis.alfabet, twin.alfabet, alphabetEntries);
    addByHand(data, desk.analysis.powiazania, twin.powiazania, connectionEntries);
    const std::string secondText = secondRound ? data.ConsumeRandomLengthString() : std::string();
    const std::string text = data.ConsumeRemainingBytesAsString();

    tekst.clear();
    if (alphabetPassFirst) runAlphabetPass(desk, twin, text);
    runConnectionPass(desk, twin, text);
    if (secondRound) {
        runAlphabetPass(desk, twin, secondText);
        runConnectionPass(desk, twin, secondText);
    }
    return 0;
}
