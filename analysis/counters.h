#pragma once
// The three counter captions and the interface language they follow.

#include <string>

namespace difonik {

struct Analysis;

// The interface language chosen last, "Pl" or "En"; empty until the first choice.
extern std::string jezyk;

// What the window's three counter labels must offer.
class CounterLabels {
public:
    virtual ~CounterLabels() = default;
    virtual void setCounterCaptions(const std::string& alphabet, const std::string& connections,
                                    const std::string& samples) = 0;
};

// Writes the sizes of the two lists and their sum, with prefixes in the language of `jezyk`
// (English for "En", Polish otherwise).
void odswiez_liczniki(const Analysis& analysis, CounterLabels& labels);

}  // namespace difonik
