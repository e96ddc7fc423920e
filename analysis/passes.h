#pragma once
// The three steps of the analysis: the alphabet pass (1), the connection pass (2) and the sample
// list (3). Each runs to its end without yielding; the passes drive a progress indicator.

#include "analysis/analysis.h"
#include "analysis/progress.h"
#include "analysis/working_text.h"

namespace difonik {

// What a pass needs of the window besides the lists.
struct PassContext {
    const TextSource& source;
    ProgressIndicator& progress;
    CounterLabels& labels;
};

// The message the connection pass gives while the alphabet is empty: three lines joined by LF.
extern const char* const kEmptyAlphabetMessage;

// (1) Snapshot, then every lower-cased character of the text that the alphabet lacks, the space
// apart, is added. Examines every position, the last one included.
void buildAlphabet(Analysis& analysis, const PassContext& context);

// (2) Refused, changing nothing, while the alphabet is empty: returns false and the caller shows
// kEmptyAlphabetMessage. Otherwise snapshot, then every non-overlapping pair of neighbouring
// alphabet characters that the connection list lacks is added; returns true.
bool analyseConnections(Analysis& analysis, const PassContext& context);

// (3) Appends the alphabet entries and then the connections, in list order, to the sample list.
void composeSamples(Analysis& analysis);

}  // namespace difonik
