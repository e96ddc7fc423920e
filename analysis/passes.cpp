#include "analysis/passes.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>

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

    const std::array<bool, 256> inAlphabet = countingBytes(AlphabetBytes(analysis.alfabet), true);
    auto pairs = std::make_unique<ConnectionPairs>(analysis.powiazania);
    std::int64_t i = 1;          // the next position to examine
    std::int64_t stepStart = 1;  // where the step under way began
    try {
        while (i < n) {
            const std::int64_t stop = std::max(i + 1, report.next());
            while (i < n && i < stop) {
                stepStart = i;
                const unsigned char first = text[i - 1];
                const unsigned char second = text[i];
                if (inAlphabet[first] && inAlphabet[second]) {
                    ++i;  // the second character is used up by the pair
                    if (!pairs->holds(lowerAscii(first), lowerAscii(second))) {
                        const char pair[2] = {char(lowerAscii(first)), char(lowerAscii(second))};
                        analysis.powiazania.add(std::string_view(pair, 2));
                        pairs->mark(lowerAscii(first), lowerAscii(second));
                    }
                }
                ++i;
            }
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
