#include "bench/summary_reporter.h"

#include <cstdio>
#include <ostream>

namespace difonik::bench {

// Without colour codes, so that the table reads the same in a terminal and in a log file.
SummaryReporter::SummaryReporter(std::vector<Comparison> comparisons)
    : ConsoleReporter(OO_Tabular), comparisons_(std::move(comparisons)) {}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
        // The adjusted time is per iteration in the run's own unit; the summary needs one unit.
        const double multiplier = benchmark::GetTimeUnitMultiplier(run.time_unit);
        const double seconds = run.GetAdjustedRealTime() / multiplier;
        const auto rate = run.counters.find("bytes_per_second");
        const Fastest candidate{seconds, run.GetAdjustedCPUTime() / multiplier,
                                rate == run.counters.end() ? 0.0 : double(rate->second)};
        const auto [place, added] = fastest_.try_emplace(run.benchmark_name(), candidate);
        if (added) {
            order_.push_back(run.benchmark_name());
        } else if (seconds < place->second.seconds) {
            place->second = candidate;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

void SummaryReporter::Finalize() {
    std::ostream& out = GetOutputStream();
    printFastest(out);
    printRatios(out);
    ConsoleReporter::Finalize();
}

void SummaryReporter::printFastest(std::ostream& out) const {
    out << "\nFastest repetition of each benchmark (MB = 2^20 bytes):\n";
    char line[200];
    std::snprintf(line, sizeof line, "  %-58s %13s %13s %9s\n", "", "wall", "processor", "wall");
    out << line;
    for (const std::string& name : order_) {
        const Fastest& f = fastest_.at(name);
        std::snprintf(line, sizeof line, "  %-58s %10.3f ms %10.3f ms", name.c_str(), f.seconds * 1e3,
                      f.cpuSeconds * 1e3);
        out << line;
        if (f.bytesPerSecond > 0) {
            std::snprintf(line, sizeof line, " %8.1f MB/s", f.bytesPerSecond / (1 << 20));
            out << line;
        }
        out << "\n";
    }
}

void SummaryReporter::printRatios(std::ostream& out) const {
    for (const Comparison& comparison : comparisons_) {
        const auto fast = fastest_.find(comparison.fast);
        const auto yardstick = fastest_.find(comparison.yardstick);
        if (fast == fastest_.end() || yardstick == fastest_.end()) continue;
        char line[200];
        std::snprintf(line, sizeof line, "%s: %.0f times as fast as %s\n", comparison.label.c_str(),
                      yardstick->second.seconds / fast->second.seconds, comparison.yardstick.c_str());
        out << line;
    }
}

int runBenchmarks(int argc, char** argv, std::vector<SummaryReporter::Comparison> comparisons) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    SummaryReporter reporter(std::move(comparisons));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace difonik::bench
