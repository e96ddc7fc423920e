#pragma once
// The real main window driven through a whole run, one step at a time, as the user clicks it:
// the text loaded from a file through the open dialog, the alphabet pass, the connection pass,
// the sample list and the save. The window is shown (offscreen in the benchmarks) and its boxes
// are answered by a script, so that nothing blocks.

#include <QString>

#include <cstddef>
#include <memory>
#include <string>

#include "app/tdifonik.h"
#include "tests/window/scripted_dialogs.h"

namespace difonik::bench {

enum class FlowText { Prose, EveryByte };

// The five steps of a run; then a key typed at the start of the text, the first change of the
// text area after the passes, which gives it a buffer of its own again; then the connection pass
// and a key once more, as the user goes on editing and analysing.
enum class FlowStep { Load, Alphabet, Connections, Samples, Save, FirstKey, ConnectionsAgain, KeyAgain };

const char* stepName(FlowStep step);

// How long a step kept the user waiting: the click handler, then the work it left to the event
// loop (repaints, the list views' layouts) until the loop is idle again.
struct StepTime {
    double handlerSeconds = 0;
    double eventSeconds = 0;
    double total() const { return handlerSeconds + eventSeconds; }
};

class WindowFlow {
public:
    // Writes the text file and a sample directory with an empty register into a fresh temporary
    // directory, then shows a new window. The text is generated in a child process, so that the
    // generator's memory never counts toward this process's peak.
    WindowFlow(FlowText text, std::size_t megabytes);
    ~WindowFlow();
    WindowFlow(const WindowFlow&) = delete;
    WindowFlow& operator=(const WindowFlow&) = delete;

    // Runs, untimed, the steps before `step` that have not run yet.
    void prepareFor(FlowStep step);

    // Runs the step once, as its button or menu item would. Throws std::runtime_error when the
    // step fails or the window shows an error.
    StepTime run(FlowStep step);

    TDifonik& window() { return *window_; }
    // The bytes in the text area, for a plausibility check.
    std::size_t textAreaSize() const;
    std::size_t expectedTextSize() const { return textSize_; }

private:
    void callHandler(FlowStep step);
    void checkOutcome(FlowStep step);

    std::string directory_;
    std::string previousDirectory_;
    QString textFile_;
    std::size_t textSize_;
    test::ScriptedDialogs dialogs_;
    std::unique_ptr<TDifonik> window_;
    int nextStep_ = 0;  // the first step that has not run yet
};

// Lets the event loop handle everything that is pending: posted events, zero timers, repaints.
void settleEvents();

// The highest resident memory this process has had so far, in MiB (getrusage).
double peakResidentMebibytes();

}  // namespace difonik::bench
