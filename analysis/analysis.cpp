#include "analysis/analysis.h"

namespace difonik {

bool jest_w_alfabecie(const Analysis& analysis, std::string_view text) {
    return analysis.alfabet.findExact(text) >= 0;
}

bool jest_w_powiazaniach(const Analysis& analysis, std::string_view text) {
    return analysis.powiazania.findExact(text) >= 0;
}

void addByHand(Analysis& analysis, SymbolList& list, std::string_view text, CounterLabels& labels) {
    list.add(text);
    odswiez_liczniki(analysis, labels);
}

void removeTicked(Analysis& analysis, SymbolList& list, CounterLabels& labels) {
    // From the last index to the first, so that a deletion never shifts an entry still to visit.
    for (int index = list.count() - 1; index >= 0; --index) {
        if (list.ticked(index)) list.remove(index);
    }
    odswiez_liczniki(analysis, labels);
}

}  // namespace difonik
