#include "analysis/passes.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

#include "analysis/cp1250.h"
#include "analysis/progress_report.h"

namespace difonik {

const char* const kEmptyAlphabetMessage =
    "Najpierw dokonaj analizy wyciagajacej alfabet z tekstu \n"
    " Nastepnie go przeanalizuj usuwajac niepotrzebne znaki \n"
    " potem mozna opracowac powiazania";

namespace {

unsigned char foldedLower(unsigned char byte) { return cp1250::fold(lowerAscii(byte)); }

// Which one-character texts the alphabet holds, by folded byte: the O(1) form of
// jest_w_alfabecie for the texts that znak_tekstu gives.
class AlphabetBytes {
public:
    explicit AlphabetBytes(const SymbolList& alphabet) {
        alphabet.forEach([this](const std::string& text, bool) {
            if (text.size() == 1) mark(static_cast<unsigned char>(text[0]));
        });
    }
    void mark(unsigned char byte) { present_[cp1250::fold(byte)] = true; }
    // Whether the lower-cased form of a raw text byte is an alphabet entry.
    bool holdsLowered(unsigned char rawByte) const { return present_[foldedLower(rawByte)]; }

private:
    std::array<bool, 256> present_{};
};

// Which two-character texts the connection list holds, by folded byte pair.
class ConnectionPairs {
public:
    explicit ConnectionPairs(const SymbolList& connections) {
        connections.forEach([this](const std::string& text, bool) {
            if (text.size() == 2) mark(static_cast<unsigned char>(text[0]), static_cast<unsigned char>(text[1]));
        });
    }
    void mark(unsigned char first, unsigned char second) { present_.set(slot(first, second)); }
    bool holds(unsigned char first, unsigned char second) const { return present_.test(slot(first, second)); }

private:
    static std::size_t slot(unsigned char first, unsigned char second) {
        return std::size_t(cp1250::fold(first)) << 8 | cp1250::fold(second);
    }
    std::bitset<65536> present_;
};

// What the connection pass needs to know of two neighbouring raw bytes, looked up by both bytes
// at once: bit 0, a pair forms there (both lower-cased characters count); bit 1, whether the
// connection list holds the pair is still to be asked. The answer is the same for every later
// occurrence, so each raw pair costs one look-up in the list per pass.
class RawPairTable {
public:
    static constexpr unsigned char kForms = 1;
    static constexpr unsigned char kUnasked = 2;

    explicit RawPairTable(const std::array<bool, 256>& counts) : cells_(65536) {
        for (unsigned second = 0; second < 256; ++second) {
            for (unsigned first = 0; first < 256; ++first) {
                if (counts[first] && counts[second]) cells_[slot(first, second)] = kForms | kUnasked;
            }
        }
    }
    static unsigned slot(unsigned first, unsigned second) { return first | second << 8; }
    unsigned char* cells() { return cells_.data(); }

private:
    std::vector<unsigned char> cells_;
};

// The rare step of the connection scan: the raw pair at `pair` forms a connection and has not
// been asked about yet. Kept out of line so that the scan keeps its few values in registers.
[[gnu::noinline]] void askAndAdd(Analysis& analysis, ConnectionPairs& pairs, RawPairTable& table,
                                 const unsigned char* pair) {
    const unsigned char first = lowerAscii(pair[0]);
    const unsigned char second = lowerAscii(pair[1]);
    if (!pairs.holds(first, second)) {
        const char text[2] = {char(first), char(second)};
        analysis.powiazania.add(std::string_view(text, 2));
        pairs.mark(first, second);
    }
    table.cells()[RawPairTable::slot(pair[0], pair[1])] &= ~RawPairTable::kUnasked;
}

// For every raw byte of the text: does its lower-cased character count for the pass? The space
// never does, whatever the list holds.
std::array<bool, 256> countingBytes(const AlphabetBytes& alphabet, bool countPresent) {
    std::array<bool, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        const auto raw = static_cast<unsigned char>(byte);
        table[byte] = lowerAscii(raw) != ' ' && alphabet.holdsLowered(raw) == countPresent;
    }
    return table;
}

void refreshAndReset(const Analysis& analysis, const PassContext& context, ProgressReport& report) {
    report.catchUp();
    odswiez_liczniki(analysis, context.labels);
    report.finish();
}

}  // namespace

void buildAlphabet(Analysis& analysis, const PassContext& context) {
    snapshot(context.source);
    const auto* text = reinterpret_cast<const unsigned char*>(tekst.data());
    const auto n = static_cast<std::int64_t>(tekst.size());
    ProgressReport report(context.progress, n);

    AlphabetBytes alphabet(analysis.alfabet);
    std::array<bool, 256> missing = countingBytes(alphabet, false);
    std::int64_t position = 1;  // the next position to examine
    try {
        while (position <= n) {
            // Steps up to the next position the indicator wants to hear of, with no call between.
            const std::int64_t stop = std::min(n + 1, std::max(position + 1, report.next()));
            for (; position < stop; ++position) {
                const unsigned char raw = text[position - 1];
                if (!missing[raw]) continue;
                const auto lowered = static_cast<char>(lowerAscii(raw));
                analysis.alfabet.add(std::string_view(&lowered, 1));
                alphabet.mark(static_cast<unsigned char>(lowered));
                missing = countingBytes(alphabet, false);
            }
            report.step(position);
        }
    } catch (...) {
        // The step at `position` failed; the indicator keeps the counter of the step before it.
        if (position > 1) report.step(position);
        report.catchUp();
        throw;
    }
    refreshAndReset(analysis, context, report);
}

bool analyseConnections(Analysis& analysis, const PassContext& context) {
    if (analysis.alfabet.count() == 0) return false;
    snapshot(context.source);
    const auto* text = reinterpret_cast<const unsigned char*>(tekst.data());
    const auto n = static_cast<std::int64_t>(tekst.size());
    ProgressReport report(context.progress, n);

    RawPairTable table(countingBytes(AlphabetBytes(analysis.alfabet), true));
    unsigned char* const cells = table.cells();
    auto pairs = std::make_unique<ConnectionPairs>(analysis.powiazania);
    std::int64_t i = 1;          // the next position to examine
    std::int64_t stepStart = 1;  // where the step under way began
    try {
        while (i < n) {
            const std::int64_t limit = std::min(n, std::max(i + 1, report.next()));
            // Every position is examined unless it is the second member of the pair before it,
            // so one flag carried from position to position replaces the jumping scan. Whether a
            // pair forms follows the spaces of the text, which defeats a branch predictor, so it
            // takes no branch; the one branch left is taken only for a raw pair not yet asked.
            unsigned secondMember = 0;
            std::int64_t p = i;
            for (; p < limit; ++p) {
                const unsigned char cell = cells[RawPairTable::slot(text[p - 1], text[p])];
                const unsigned formed = cell & ~secondMember & RawPairTable::kForms;
                if (cell & formed << 1) [[unlikely]] {
                    stepStart = p;
                    askAndAdd(analysis, *pairs, table, text + p - 1);
                }
                secondMember = formed;
            }
            i = p + secondMember;  // a pair at the last position used up the next one too
            report.step(i);
        }
    } catch (...) {
        // The step that began at `stepStart` failed; the indicator keeps the counter before it.
        if (stepStart > 1) report.step(stepStart);
        report.catchUp();
        throw;
    }
    refreshAndReset(analysis, context, report);
    return true;
}

void composeSamples(Analysis& analysis) {
    for (const SymbolList* source : {&analysis.alfabet, &analysis.powiazania}) {
        const int count = source->count();
        for (int k = 0; k < count; ++k) analysis.lista_sampli.append(source->get(k));
    }
}

}  // namespace difonik
