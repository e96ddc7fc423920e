// How long the user waits at each step of a whole run through the real window, and how much
// memory the process takes: the text loaded from a file through the open dialog, button (1),
// button (2), button (3) and the diskette button, on Polish-like text of 10 and 100 MB and on the
// every-byte text, whose connection list grows to some 36,000 entries in the shown list view; then
// a key typed into the text area, button (2) and a key once more, as the user goes on. Besides,
// 50,000 insertions into a list that the window's view shows.
//
// The window is shown on the offscreen platform (set here unless QT_QPA_PLATFORM says otherwise)
// with the lists sorted for Polish. Each step runs once; its time is the click handler plus the
// work it leaves to the event loop (repaints, list layouts), split in the counters handler_ms and
// events_ms. peak_MiB is the process's peak resident memory (getrusage) after the step. Steps of a
// scenario that a filter leaves out still run, untimed, when a later step needs them.
//
// Run each scenario in its own process, so that the peak memory of one does not hide another's:
//
//   cmake -S . -B build-perf -G Ninja -DCMAKE_BUILD_TYPE=Release
//   cmake --build build-perf -j2 --target window_flow_bench
//   for scenario in prose/MB:10/ prose/MB:100/ every_byte/MB:10/ ViewedList/symbol ViewedList/sample; do
//       build-perf/bench/window_flow_bench --benchmark_filter="$scenario"
//   done
//
// No --benchmark_repetitions: a second run of a step on the same window is another situation
// (the text unchanged, the lists already full).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QStyleFactory>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "analysis/collation.h"
#include "analysis/sample_list.h"
#include "analysis/symbol_list.h"
#include "app/sample_list_model.h"
#include "app/symbol_list_model.h"
#include "bench/summary_reporter.h"
#include "bench/text_generator.h"
#include "bench/window_flow.h"

namespace difonik::bench {
namespace {

struct Scenario {
    const char* name;
    FlowText text;
    std::size_t megabytes;
    bool operator==(const Scenario&) const = default;
};

constexpr Scenario kScenarios[] = {
    {"prose", FlowText::Prose, 10},
    {"prose", FlowText::Prose, 100},
    {"every_byte", FlowText::EveryByte, 10},
};

constexpr FlowStep kSteps[] = {
    FlowStep::Load, FlowStep::Alphabet, FlowStep::Connections,      FlowStep::Samples,
    FlowStep::Save, FlowStep::FirstKey, FlowStep::ConnectionsAgain, FlowStep::KeyAgain,
};

// The window of the scenario under way; a step of another scenario starts a fresh one.
struct CurrentFlow {
    Scenario scenario{};
    std::unique_ptr<WindowFlow> flow;
};

CurrentFlow& current() {
    static CurrentFlow instance;
    return instance;
}

WindowFlow& flowFor(const Scenario& scenario) {
    CurrentFlow& now = current();
    if (!now.flow || !(now.scenario == scenario)) {
        now.flow.reset();
        now.flow = std::make_unique<WindowFlow>(scenario.text, scenario.megabytes);
        now.scenario = scenario;
    }
    return *now.flow;
}

void reportStep(benchmark::State& state, const StepTime& time) {
    state.SetIterationTime(time.total());
    state.counters["handler_ms"] = time.handlerSeconds * 1e3;
    state.counters["events_ms"] = time.eventSeconds * 1e3;
    state.counters["peak_MiB"] = peakResidentMebibytes();
}

void timeStep(benchmark::State& state, Scenario scenario, FlowStep step) {
    try {
        WindowFlow& flow = flowFor(scenario);
        flow.prepareFor(step);
        for (auto _ : state) reportStep(state, flow.run(step));
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

// A list of the core behind one of the window's own list views, shown.
template <class List, class Model>
struct ViewedList {
    explicit ViewedList(const char* viewName) : model(list) {
        window.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
        window.findChild<QListView*>(QLatin1String(viewName))->setModel(&model);
        settleEvents();
    }
    List list;
    Model model;
    test::ScriptedDialogs dialogs;
    TDifonik window{dialogs};  // goes first, with its view, so the model outlives the view
};

template <class List, class Model>
void timeViewedInserts(benchmark::State& state, const char* viewName, void (*insert)(List&, const std::string&)) {
    current().flow.reset();
    const std::vector<std::string> entries = shuffledBytePairs(std::size_t(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto viewed = std::make_unique<ViewedList<List, Model>>(viewName);
        state.ResumeTiming();
        StepTime time;
        const auto start = std::chrono::steady_clock::now();
        for (const std::string& entry : entries) insert(viewed->list, entry);
        const auto inserted = std::chrono::steady_clock::now();
        time.handlerSeconds = std::chrono::duration<double>(inserted - start).count();
        settleEvents();
        time.eventSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - inserted).count();
        reportStep(state, time);
        state.PauseTiming();
        viewed.reset();
        state.ResumeTiming();
    }
}

void ViewedSymbolListInsert(benchmark::State& state) {
    timeViewedInserts<SymbolList, SymbolListModel>(state, "powiazania",
                                                   [](SymbolList& list, const std::string& entry) { list.add(entry); });
}

void ViewedSampleListAppend(benchmark::State& state) {
    timeViewedInserts<SampleList, SampleListModel>(
        state, "lista_sampli", [](SampleList& list, const std::string& entry) { list.append(entry); });
}

void registerFlowSteps() {
    for (const Scenario& scenario : kScenarios) {
        for (const FlowStep step : kSteps) {
            const std::string name = std::string("WindowFlow/") + scenario.name + "/MB:" +
                                     std::to_string(scenario.megabytes) + "/" + stepName(step);
            benchmark::RegisterBenchmark(name.c_str(), timeStep, scenario, step)
                ->Iterations(1)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}

// Three sizes, so that a time per insertion that grows with the list shows.
void entryCounts(benchmark::internal::Benchmark* b) {
    b->ArgName("entries")->Arg(12'500)->Arg(25'000)->Arg(50'000)->Iterations(1)->UseManualTime()->Unit(
        benchmark::kMillisecond);
}

void registerViewedLists() {
    benchmark::RegisterBenchmark("ViewedList/symbol/powiazania", ViewedSymbolListInsert)->Apply(entryCounts);
    benchmark::RegisterBenchmark("ViewedList/sample/lista_sampli", ViewedSampleListAppend)->Apply(entryCounts);
}

}  // namespace
}  // namespace difonik::bench

int main(int argc, char** argv) {
    // As the window tests see the window: offscreen, the lists sorted for Polish.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::setenv("LC_ALL", "pl_PL.UTF-8", 1);
    QApplication application(argc, argv);
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) QApplication::setStyle(classic);

    difonik::bench::registerFlowSteps();
    difonik::bench::registerViewedLists();
    const int status = difonik::bench::runBenchmarks(argc, argv);
    difonik::bench::current().flow.reset();
    return status;
}
