#pragma once
// The progress convention of a pass: maximum and 0 at the start, the counter's value after every
// step, 0 at the end. Positions the indicator would not show are passed over, except the last one
// a pass reaches, so that what the indicator shows is as if it had heard of every step.

#include <cstdint>

#include "analysis/progress.h"

namespace difonik {

class ProgressReport {
public:
    ProgressReport(ProgressIndicator& indicator, std::int64_t maximum) : indicator_(indicator) {
        indicator_.setMaximum(maximum);
        indicator_.setPosition(0);
        next_ = indicator_.nextVisiblePosition(0);
    }

    // The first counter value the indicator wants to hear of; a pass may run steps up to it.
    std::int64_t next() const { return next_; }

    // The counter's value after a step.
    void step(std::int64_t counter) {
        last_ = counter;
        if (counter >= next_) tell(counter);
    }

    // Makes sure the indicator shows the counter of the last completed step.
    void catchUp() {
        if (last_ != told_) tell(last_);
    }

    void finish() { indicator_.setPosition(0); }

private:
    void tell(std::int64_t counter) {
        indicator_.setPosition(counter);
        told_ = counter;
        next_ = indicator_.nextVisiblePosition(counter);
    }

    ProgressIndicator& indicator_;
    std::int64_t next_ = 1;
    std::int64_t last_ = 0;
    std::int64_t told_ = 0;
};

}  // namespace difonik
