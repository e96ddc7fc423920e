#pragma once
// Stand-ins for the window's controls that record what the core does to them.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "analysis/analysis.h"
#include "analysis/passes.h"

namespace difonik::testing {

class FakeTextArea : public TextSource {
public:
    explicit FakeTextArea(std::string text = {}) : text_(std::move(text)) {}
    std::string_view text() const override { return text_; }
    void setText(std::string text) { text_ = std::move(text); }

private:
    std::string text_;
};

// Records every call as "max N" or "pos N"; counter refreshes appear as "counters".
struct EventLog {
    std::vector<std::string> events;
};

class RecordingProgress : public ProgressIndicator {
public:
    explicit RecordingProgress(EventLog& log) : log_(log) {}
    void setMaximum(std::int64_t maximum) override { log_.events.push_back("max " + std::to_string(maximum)); }
    void setPosition(std::int64_t position) override { log_.events.push_back("pos " + std::to_string(position)); }

private:
    EventLog& log_;
};

class RecordingLabels : public CounterLabels {
public:
    explicit RecordingLabels(EventLog& log) : log_(log) {}
    void setCounterCaptions(const std::string& a, const std::string& p, const std::string& s) override {
        captions = {a, p, s};
        log_.events.push_back("counters");
    }
    std::vector<std::string> captions;

private:
    EventLog& log_;
};

// One window's worth of core state: the lists, the text area, the progress bar, the labels.
struct Desk {
    Analysis analysis;
    EventLog log;
    FakeTextArea textArea;
    RecordingProgress progress{log};
    RecordingLabels labels{log};
    PassContext context() { return {textArea, progress, labels}; }

    void button1(std::string text) {
        textArea.setText(std::move(text));
        buildAlphabet(analysis, context());
    }
    bool button2(std::string text) {
        textArea.setText(std::move(text));
        return analyseConnections(analysis, context());
    }
};

inline std::vector<std::string> entriesOf(const SymbolList& list) {
    std::vector<std::string> entries;
    list.forEach([&](const std::string& text, bool) { entries.push_back(text); });
    return entries;
}

}  // namespace difonik::testing
