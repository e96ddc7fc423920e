#pragma once
// The progress indicator that a pass drives: maximum = length of the working text, then the next
// position to examine after every step, then 0 at the end.

#include <cstdint>

namespace difonik {

class ProgressIndicator {
public:
    virtual ~ProgressIndicator() = default;
    virtual void setMaximum(std::int64_t maximum) = 0;
    // A position above the maximum is no error and shows as full.
    virtual void setPosition(std::int64_t position) = 0;

    // The first position after `position` that would change what the indicator shows. A pass
    // reports the positions below it only when it stops there, which spares a bar that draws in
    // blocks a call per character. The default asks to hear of every position.
    virtual std::int64_t nextVisiblePosition(std::int64_t position) const { return position + 1; }
};

}  // namespace difonik
