#pragma once
// The console table of Google Benchmark, followed by a summary: the fastest repetition of each
// benchmark (with --benchmark_repetitions, the one least disturbed by other work on the machine)
// and how many times faster each fast benchmark ran than its yardstick.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace difonik::bench {

class SummaryReporter : public benchmark::ConsoleReporter {
public:
    struct Comparison {
        std::string label;
        std::string fast;       // full benchmark names, as the table shows them
        std::string yardstick;
    };

    explicit SummaryReporter(std::vector<Comparison> comparisons);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Fastest {
        double seconds;          // wall time per iteration
        double cpuSeconds;       // processor time per iteration, less disturbed by other work
        double bytesPerSecond;   // 0 where the benchmark reports none
    };

    void printFastest(std::ostream& out) const;
    void printRatios(std::ostream& out) const;

    std::vector<Comparison> comparisons_;
    std::vector<std::string> order_;  // benchmark names as they ran
    std::map<std::string, Fastest> fastest_;
};

// The main of a benchmark program: runs the benchmarks that the command line selects and reports
// them with a SummaryReporter. Returns the exit code.
int runBenchmarks(int argc, char** argv, std::vector<SummaryReporter::Comparison> comparisons = {});

}  // namespace difonik::bench
