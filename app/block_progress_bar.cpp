#include "app/block_progress_bar.h"

#include <QPainter>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>

namespace difonik {
namespace {

constexpr int kFrame = 2;  // the sunken border on each side
constexpr int kGap = 2;    // between two blocks

}  // namespace

BlockProgressBar::BlockProgressBar(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BlockProgressBar::setMaximum(std::int64_t maximum) {
    maximum_ = std::max<std::int64_t>(0, maximum);
    showPosition();
}

void BlockProgressBar::setPosition(std::int64_t position) {
    position_ = std::max<std::int64_t>(0, position);
    showPosition();
}

// Blocks as wide as two thirds of the inner height, as the classic bar draws them.
int BlockProgressBar::blockStep() const { return std::max(1, (height() - 2 * kFrame) * 2 / 3) + kGap; }

int BlockProgressBar::innerWidth() const { return std::max(0, width() - 2 * kFrame); }

int BlockProgressBar::blockCount() const { return (innerWidth() + blockStep() - 1) / blockStep(); }

std::int64_t BlockProgressBar::filledWidth(std::int64_t position) const {
    if (position >= maximum_) return position > 0 ? innerWidth() : 0;
    return innerWidth() * position / maximum_;
}

int BlockProgressBar::blocksAt(std::int64_t position) const {
    const std::int64_t filled = filledWidth(position);
    return int((filled + blockStep() - 1) / blockStep());
}

std::int64_t BlockProgressBar::nextVisiblePosition(std::int64_t position) const {
    const int blocks = blocksAt(position);
    // Full: nothing that a later position does changes the bar.
    if (blocks >= blockCount()) return std::numeric_limits<std::int64_t>::max();
    // The next block shows once the filled width passes the end of the blocks drawn now:
    // innerWidth * p / maximum >= blocks * step + 1.
    const std::int64_t needed = std::int64_t(blocks) * blockStep() + 1;
    const std::int64_t width = innerWidth();
    const std::int64_t first = (needed * maximum_ + width - 1) / width;
    return std::max(position + 1, std::min(first, maximum_));
}

void BlockProgressBar::showPosition() {
    const int blocks = blocksAt(position_);
    if (blocks == shown_) return;
    shown_ = blocks;
    repaint();
}

void BlockProgressBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    shown_ = blocksAt(position_);
}

void BlockProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = 1;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);

    const int top = kFrame;
    const int blockHeight = height() - 2 * kFrame;
    const int blockWidth = blockStep() - kGap;
    const QBrush fill = palette().highlight();
    for (int block = 0; block < shown_; ++block) {
        const int left = kFrame + block * blockStep();
        const int right = std::min(left + blockWidth, kFrame + innerWidth());
        painter.fillRect(QRect(left, top, right - left, blockHeight), fill);
    }
}

}  // namespace difonik
