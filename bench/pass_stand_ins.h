#pragma once
// What a pass needs of the window, standing in for it in the benchmarks: a text source over a
// string, a progress bar that repaints like a real one, counter labels and a list view that do
// nothing.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "analysis/counters.h"
#include "analysis/list_observer.h"
#include "analysis/progress.h"
#include "analysis/working_text.h"

namespace difonik::bench {

class StringTextSource : public TextSource {
public:
    explicit StringTextSource(std::string_view text) : text_(text) {}
    std::string_view text() const override { return text_; }

private:
    std::string_view text_;
};

// A bar of the window's width, 289 pixels: its fill changes only every maximum / 289 positions,
// and it asks to hear of no other. It counts the positions it is told, which are its repaints.
class BlockProgressBar : public ProgressIndicator {
public:
    static constexpr std::int64_t kWidth = 289;

    void setMaximum(std::int64_t maximum) override { maximum_ = maximum; }
    void setPosition(std::int64_t position) override {
        position_ = position;
        ++updates_;
    }
    std::int64_t nextVisiblePosition(std::int64_t position) const override {
        const std::int64_t filled = pixelsAt(position);
        if (maximum_ <= 0 || filled >= kWidth) return std::numeric_limits<std::int64_t>::max();
        // The first position whose fill reaches one pixel more.
        return ((filled + 1) * maximum_ + kWidth - 1) / kWidth;
    }

    std::int64_t position() const { return position_; }
    std::int64_t updates() const { return updates_; }

private:
    std::int64_t pixelsAt(std::int64_t position) const {
        if (maximum_ <= 0) return kWidth;
        return std::clamp<std::int64_t>(position, 0, maximum_) * kWidth / maximum_;
    }

    std::int64_t maximum_ = 100;
    std::int64_t position_ = 0;
    std::int64_t updates_ = 0;
};

class SilentCounterLabels : public CounterLabels {
public:
    void setCounterCaptions(const std::string&, const std::string&, const std::string&) override {}
};

class SilentListObserver : public ListObserver {
public:
    void beginInsert(int) override {}
    void endInsert() override {}
    void beginRemove(int) override {}
    void endRemove() override {}
};

}  // namespace difonik::bench
