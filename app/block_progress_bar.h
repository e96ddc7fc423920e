#pragma once
// The progress bar `Progress`: a sunken bar filled with blocks in proportion to its position.
// It repaints at once, without the event loop, whenever the number of blocks changes, so that a
// pass that holds the interface thread still shows its progress.

#include <QWidget>

#include <cstdint>

#include "analysis/progress.h"

namespace difonik {

class BlockProgressBar : public QWidget, public ProgressIndicator {
    Q_OBJECT
public:
    explicit BlockProgressBar(QWidget* parent = nullptr);

    void setMaximum(std::int64_t maximum) override;
    void setPosition(std::int64_t position) override;
    std::int64_t nextVisiblePosition(std::int64_t position) const override;

    std::int64_t maximum() const { return maximum_; }
    std::int64_t position() const { return position_; }

    // The blocks that a position fills; a position above the maximum fills all of them.
    int blocksAt(std::int64_t position) const;
    int blockCount() const;
    int shownBlocks() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int innerWidth() const;
    int blockStep() const;
    std::int64_t filledWidth(std::int64_t position) const;
    void showPosition();

    std::int64_t maximum_ = 100;
    std::int64_t position_ = 0;
    int shown_ = 0;  // the blocks drawn now
};

}  // namespace difonik
