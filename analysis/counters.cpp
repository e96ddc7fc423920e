#include "analysis/counters.h"

#include "analysis/analysis.h"

namespace difonik {

std::string jezyk;

void odswiez_liczniki(const Analysis& analysis, CounterLabels& labels) {
    const bool english = jezyk == "En";
    const int alphabet = analysis.alfabet.count();
    const int connections = analysis.powiazania.count();
    const long long samples = static_cast<long long>(alphabet) + connections;
    labels.setCounterCaptions((english ? "Alphabet: " : "Alfabet: ") + std::to_string(alphabet),
                              (english ? "Connections: " : "Powiazania: ") + std::to_string(connections),
                              (english ? "Samples: " : "Sampli: ") + std::to_string(samples));
}

}  // namespace difonik
