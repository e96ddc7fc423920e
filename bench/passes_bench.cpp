// The alphabet pass and the connection pass on generated text of 1, 10 and 100 MB, in bytes per
// second, and the literal way of doing them at 1 MB as the yardstick.
//
// Each timed pass includes its snapshot into `tekst`: the pass takes the snapshot itself, and a
// user waits for both. Snapshot shows the copy alone.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <map>
#include <string>

#include "analysis/analysis.h"
#include "analysis/collation.h"
#include "analysis/passes.h"
#include "bench/literal_passes.h"
#include "bench/pass_stand_ins.h"
#include "bench/summary_reporter.h"
#include "bench/text_generator.h"

namespace difonik::bench {
namespace {

constexpr std::size_t kMegabyte = std::size_t(1) << 20;

enum class Text { Prose, EveryByte };

// "first run": the target list starts empty, as on the first press of the button.
// "repeat run": it already holds what the text gives, as on a second press.
enum class Run { First, Repeat };

const std::string& generatedText(Text kind, std::size_t megabytes) {
    static std::map<std::pair<Text, std::size_t>, std::string> cache;
    auto [place, added] = cache.try_emplace({kind, megabytes});
    if (added) {
        const std::size_t size = megabytes * kMegabyte;
        place->second = kind == Text::Prose ? polishLikeText(size) : everyByteText(size);
    }
    return place->second;
}

// The lists sort the same wherever the benchmark runs.
const Collation& polishCollation() {
    static const Collation collation("pl_PL");
    return collation;
}

Analysis freshAnalysis() {
    return Analysis{SymbolList(polishCollation()), SymbolList(polishCollation()), {}};
}

// What a pass needs of the window, for one text.
struct Window {
    explicit Window(const std::string& text) : source(text) {}
    PassContext context() { return {source, progress, labels}; }

    StringTextSource source;
    BlockProgressBar progress;
    SilentCounterLabels labels;
};

// Repaints per pass: the positions the bar was told in the timed passes.
void reportThroughput(benchmark::State& state, std::size_t textSize, const BlockProgressBar& progress,
                      std::int64_t updatesBefore) {
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(textSize));
    state.counters["repaints"] =
        benchmark::Counter(double(progress.updates() - updatesBefore), benchmark::Counter::kAvgIterations);
}

void AlphabetPass(benchmark::State& state, Text kind, Run run) {
    const std::string& text = generatedText(kind, std::size_t(state.range(0)));
    Window window(text);
    Analysis analysis = freshAnalysis();
    if (run == Run::Repeat) buildAlphabet(analysis, window.context());
    const std::int64_t updatesBefore = window.progress.updates();
    for (auto _ : state) {
        if (run == Run::First) {
            state.PauseTiming();
            analysis = freshAnalysis();
            state.ResumeTiming();
        }
        buildAlphabet(analysis, window.context());
    }
    state.counters["alphabet"] = analysis.alfabet.count();
    reportThroughput(state, text.size(), window.progress, updatesBefore);
}

void ConnectionPass(benchmark::State& state, Text kind, Run run) {
    const std::string& text = generatedText(kind, std::size_t(state.range(0)));
    Window window(text);
    Analysis analysis = freshAnalysis();
    buildAlphabet(analysis, window.context());
    if (run == Run::Repeat) analyseConnections(analysis, window.context());
    const std::int64_t updatesBefore = window.progress.updates();
    for (auto _ : state) {
        if (run == Run::First) {
            state.PauseTiming();
            analysis.powiazania = SymbolList(polishCollation());
            state.ResumeTiming();
        }
        analyseConnections(analysis, window.context());
    }
    state.counters["connections"] = analysis.powiazania.count();
    reportThroughput(state, text.size(), window.progress, updatesBefore);
}

void Snapshot(benchmark::State& state) {
    const std::string& text = generatedText(Text::Prose, std::size_t(state.range(0)));
    const StringTextSource source(text);
    for (auto _ : state) {
        snapshot(source);
        benchmark::DoNotOptimize(tekst.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}

template <class Entries>
bool sameEntries(const SymbolList& list, const Entries& entries) {
    if (std::size_t(list.count()) != entries.size()) return false;
    for (int i = 0; i < list.count(); ++i) {
        if (list.get(i) != entries[std::size_t(i)]) return false;
    }
    return true;
}

// A yardstick that found other entries than the real pass would measure something else.
bool literalPassesAgree(const std::string& text) {
    Window window(text);
    Analysis analysis = freshAnalysis();
    buildAlphabet(analysis, window.context());
    analyseConnections(analysis, window.context());
    LiteralList alphabet(polishCollation());
    LiteralList connections(polishCollation());
    literalAlphabetPass(alphabet, window.source, window.progress);
    literalConnectionPass(alphabet, connections, window.source, window.progress);
    return sameEntries(analysis.alfabet, alphabet.entries()) &&
           sameEntries(analysis.powiazania, connections.entries());
}

void AlphabetLiteral(benchmark::State& state) {
    const std::string& text = generatedText(Text::Prose, std::size_t(state.range(0)));
    if (!literalPassesAgree(text)) state.SkipWithError("the literal passes found other entries");
    Window window(text);
    LiteralList alphabet(polishCollation());
    const std::int64_t updatesBefore = window.progress.updates();
    for (auto _ : state) {
        state.PauseTiming();
        alphabet = LiteralList(polishCollation());
        state.ResumeTiming();
        literalAlphabetPass(alphabet, window.source, window.progress);
    }
    state.counters["alphabet"] = alphabet.count();
    reportThroughput(state, text.size(), window.progress, updatesBefore);
}

void ConnectionLiteral(benchmark::State& state) {
    const std::string& text = generatedText(Text::Prose, std::size_t(state.range(0)));
    if (!literalPassesAgree(text)) state.SkipWithError("the literal passes found other entries");
    Window window(text);
    LiteralList alphabet(polishCollation());
    literalAlphabetPass(alphabet, window.source, window.progress);
    LiteralList connections(polishCollation());
    const std::int64_t updatesBefore = window.progress.updates();
    for (auto _ : state) {
        state.PauseTiming();
        connections = LiteralList(polishCollation());
        state.ResumeTiming();
        literalConnectionPass(alphabet, connections, window.source, window.progress);
    }
    state.counters["connections"] = connections.count();
    reportThroughput(state, text.size(), window.progress, updatesBefore);
}

void GeneratePolishLikeText(benchmark::State& state) {
    const std::size_t size = std::size_t(state.range(0)) * kMegabyte;
    for (auto _ : state) benchmark::DoNotOptimize(polishLikeText(size).data());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
}

void GenerateEveryByteText(benchmark::State& state) {
    const std::size_t size = std::size_t(state.range(0)) * kMegabyte;
    for (auto _ : state) benchmark::DoNotOptimize(everyByteText(size).data());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
}

void common(benchmark::internal::Benchmark* b) {
    b->ArgName("MB")->Unit(benchmark::kMillisecond)->UseRealTime();
}

// Sizes in MB.
void proseSizes(benchmark::internal::Benchmark* b) { common(b->Arg(1)->Arg(10)->Arg(100)); }
void everyByteSizes(benchmark::internal::Benchmark* b) { common(b->Arg(1)->Arg(10)); }
void yardstickSize(benchmark::internal::Benchmark* b) { common(b->Arg(1)); }

BENCHMARK_CAPTURE(AlphabetPass, prose_first_run, Text::Prose, Run::First)->Apply(proseSizes);
BENCHMARK_CAPTURE(AlphabetPass, prose_repeat_run, Text::Prose, Run::Repeat)->Apply(proseSizes);
BENCHMARK_CAPTURE(ConnectionPass, prose_first_run, Text::Prose, Run::First)->Apply(proseSizes);
BENCHMARK_CAPTURE(ConnectionPass, prose_repeat_run, Text::Prose, Run::Repeat)->Apply(proseSizes);
BENCHMARK_CAPTURE(AlphabetPass, every_byte_first_run, Text::EveryByte, Run::First)->Apply(everyByteSizes);
BENCHMARK_CAPTURE(ConnectionPass, every_byte_first_run, Text::EveryByte, Run::First)->Apply(everyByteSizes);
BENCHMARK_CAPTURE(ConnectionPass, every_byte_repeat_run, Text::EveryByte, Run::Repeat)->Apply(everyByteSizes);
BENCHMARK(Snapshot)->Apply(proseSizes);
BENCHMARK(AlphabetLiteral)->Apply(yardstickSize);
BENCHMARK(ConnectionLiteral)->Apply(yardstickSize);
BENCHMARK(GeneratePolishLikeText)->Apply(proseSizes);
BENCHMARK(GenerateEveryByteText)->Apply(everyByteSizes);

}  // namespace
}  // namespace difonik::bench

int main(int argc, char** argv) {
    return difonik::bench::runBenchmarks(
        argc, argv,
        {{"Alphabet pass at 1 MB", "AlphabetPass/prose_first_run/MB:1/real_time", "AlphabetLiteral/MB:1/real_time"},
         {"Connection pass at 1 MB", "ConnectionPass/prose_first_run/MB:1/real_time",
          "ConnectionLiteral/MB:1/real_time"}});
}
