// Inserting many two-character entries into a symbol list in random order, with and without a
// view attached. The time per insertion should stay flat as the list grows from 12,500 to 50,000.

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "analysis/collation.h"
#include "analysis/symbol_list.h"
#include "bench/pass_stand_ins.h"
#include "bench/summary_reporter.h"
#include "bench/text_generator.h"

namespace difonik::bench {
namespace {

const Collation& polishCollation() {
    static const Collation collation("pl_PL");
    return collation;
}

void insertAll(benchmark::State& state, bool observed) {
    const std::vector<std::string> entries = shuffledBytePairs(std::size_t(state.range(0)));
    SilentListObserver view;
    std::optional<SymbolList> list;
    for (auto _ : state) {
        state.PauseTiming();
        list.emplace(polishCollation());
        if (observed) list->setObserver(&view);
        state.ResumeTiming();
        for (const std::string& entry : entries) list->add(entry);
    }
    const auto inserted = double(entries.size());
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(entries.size()));
    state.counters["per_insert"] =
        benchmark::Counter(inserted, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void SymbolListInsert(benchmark::State& state) { insertAll(state, false); }
void SymbolListInsertWithView(benchmark::State& state) { insertAll(state, true); }

void entryCounts(benchmark::internal::Benchmark* b) {
    b->ArgName("entries")->Arg(12'500)->Arg(25'000)->Arg(50'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(SymbolListInsert)->Apply(entryCounts);
BENCHMARK(SymbolListInsertWithView)->Apply(entryCounts);

}  // namespace
}  // namespace difonik::bench

int main(int argc, char** argv) { return difonik::bench::runBenchmarks(argc, argv); }
