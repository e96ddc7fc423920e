#pragma once
// The lists the window shows, and the membership tests and hand edits on them.

#include <string_view>

#include "analysis/counters.h"
#include "analysis/sample_list.h"
#include "analysis/symbol_list.h"

namespace difonik {

struct Analysis {
    SymbolList alfabet;
    SymbolList powiazania;
    SampleList lista_sampli;
};

bool jest_w_alfabecie(const Analysis& analysis, std::string_view text);
bool jest_w_powiazaniach(const Analysis& analysis, std::string_view text);

// The add button of a list: the edit box's text as it stands, without a membership test, then the
// counters. The remove button: every ticked entry, from the last to the first, then the counters.
void addByHand(Analysis& analysis, SymbolList& list, std::string_view text, CounterLabels& labels);
void removeTicked(Analysis& analysis, SymbolList& list, CounterLabels& labels);

}  // namespace difonik
