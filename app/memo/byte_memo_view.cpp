// Rows, scrolling and painting of the memo. Everything here works from the top row down and
// lays out only the blocks it reaches.

#include "app/memo/byte_memo.h"

#include "app/memo/user_text.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextLayout>

#include <cmath>

namespace difonik {
namespace {

// Room between the frame and the text.
constexpr int kMarginX = 2;
constexpr int kMarginTop = 1;

}  // namespace

QTextLayout& ByteMemo::layoutOf(std::size_t block) const {
    return layouts_.get(block, [this, block] {
        const std::size_t start = blocks_.start(block);
        return memo::shown(text_.copy(start, blockContentEnd(block) - start));
    });
}

std::size_t ByteMemo::blockContentEnd(std::size_t block) const {
    return memo::contentEnd(blocks_, block, text_);
}

int ByteMemo::rowsIn(std::size_t block) const { return std::max(1, layoutOf(block).lineCount()); }

ByteMemo::Row ByteMemo::rowsAfter(Row from, long long count) const {
    Row at{from.block, std::min(from.row, rowsIn(from.block) - 1)};
    while (count > 0) {
        const int left = rowsIn(at.block) - 1 - at.row;
        if (count <= left) return {at.block, at.row + int(count)};
        if (at.block + 1 == blocks_.count()) return {at.block, at.row + left};
        count -= left + 1;
        at = {at.block + 1, 0};
    }
    while (count < 0) {
        if (-count <= at.row) return {at.block, at.row + int(count)};
        if (at.block == 0) return {0, 0};
        count += at.row + 1;
        at = {at.block - 1, rowsIn(at.block - 1) - 1};
    }
    return at;
}

ByteMemo::Row ByteMemo::rowOf(std::size_t position) const {
    const std::size_t block = blocks_.blockAt(position);
    const QTextLine line = layoutOf(block).lineForTextPosition(int(position - blocks_.start(block)));
    return {block, line.isValid() ? line.lineNumber() : 0};
}

int ByteMemo::visibleRows() const {
    return std::max(1, (viewport()->height() - kMarginTop) / rowHeight_);
}

ByteMemo::Row ByteMemo::lastTop() const {
    if (!lastTop_) {
        const std::size_t last = blocks_.count() - 1;
        lastTop_ = rowsAfter({last, rowsIn(last) - 1}, -(visibleRows() - 1));
    }
    return *lastTop_;
}

std::optional<int> ByteMemo::rowOnScreen(Row row) const {
    if (row < top_) return std::nullopt;
    Row at = rowsAfter(top_, 0);
    for (int index = 0; index <= visibleRows(); ++index) {
        if (at == row) return index;
        const Row next = rowsAfter(at, 1);
        if (next == at) break;
        at = next;
    }
    return std::nullopt;
}

std::size_t ByteMemo::positionIn(Row row, qreal x) const {
    const QTextLine line = layoutOf(row.block).lineAt(row.row);
    const std::size_t start = blocks_.start(row.block);
    const std::size_t position = start + std::size_t(std::max(0, line.xToCursor(x - kMarginX)));
    const std::size_t end = blockContentEnd(row.block);
    // The end of a block cut from a long line is where the next block starts: keep the caret in
    // this row, before the cut.
    const bool cutLine = row.block + 1 < blocks_.count() && end == blocks_.start(row.block + 1);
    return std::min(position, cutLine ? end - 1 : end);
}

std::size_t ByteMemo::rowEnd(Row row) const {
    const QTextLayout& layout = layoutOf(row.block);
    const QTextLine line = layout.lineAt(row.row);
    const std::size_t start = blocks_.start(row.block);
    std::size_t end = start + std::size_t(line.textStart() + line.textLength());
    // A row wrapped at a space ends before that space; its end would be the next row's start.
    const bool wrapped = row.row + 1 < layout.lineCount();
    if (wrapped && end > start && text_.at(end - 1) == ' ') --end;
    return positionIn(row, line.cursorToX(int(end - start)) + kMarginX);
}

std::size_t ByteMemo::positionAt(QPoint point) const {
    const long long rows = std::llround(std::floor(double(point.y() - kMarginTop) / rowHeight_));
    return positionIn(rowsAfter(top_, rows), point.x());
}

qreal ByteMemo::caretX() const {
    const std::size_t block = blocks_.blockAt(cursor_);
    const int offset = int(cursor_ - blocks_.start(block));
    return kMarginX + layoutOf(block).lineForTextPosition(offset).cursorToX(offset);
}

QRect ByteMemo::caretRect() const {
    const std::optional<int> row = rowOnScreen(rowOf(cursor_));
    if (!row) return {};
    return QRect(int(caretX()), kMarginTop + *row * rowHeight_, 1, rowHeight_);
}

void ByteMemo::setTop(Row top) {
    top_ = std::clamp(rowsAfter(top, 0), Row{}, lastTop());
    syncScrollBar();
    viewport()->update();
}

void ByteMemo::scrollRows(long long count) { setTop(rowsAfter(top_, count)); }

void ByteMemo::ensureCaretVisible() {
    const Row caret = rowOf(cursor_);
    const int rows = visibleRows();
    if (caret < top_) {
        setTop(caret);
    } else if (rowsAfter(top_, rows - 1) < caret) {
        setTop(rowsAfter(caret, -(rows - 1)));
    }
}

void ByteMemo::syncScrollBar() {
    // The bar's last value stands for lastTop(), which may lie inside its block.
    const QScopedValueRollback<bool> guard(settingScrollBar_, true);
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, int(lastTop().block));
    bar->setPageStep(visibleRows());
    bar->setSingleStep(1);
    bar->setValue(int(top_.block));
}

void ByteMemo::stepScrollBar(int action) {
    // The bar counts blocks, but its arrows and page clicks move rows and pages of rows, as the
    // wheel and the keys do; only dragging the slider jumps by blocks.
    long long rows = 0;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: rows = 1; break;
        case QAbstractSlider::SliderSingleStepSub: rows = -1; break;
        case QAbstractSlider::SliderPageStepAdd: rows = visibleRows(); break;
        case QAbstractSlider::SliderPageStepSub: rows = -visibleRows(); break;
        default: return;
    }
    scrollRows(rows);
    verticalScrollBar()->setSliderPosition(int(top_.block));
}

void ByteMemo::scrollContentsBy(int, int) {
    if (settingScrollBar_) return;
    const QScrollBar* bar = verticalScrollBar();
    top_ = bar->value() >= bar->maximum() ? lastTop() : Row{std::size_t(bar->value()), 0};
    viewport()->update();
}

void ByteMemo::configureLayouts() {
    rowHeight_ = std::max(1, QFontMetrics(font()).height());
    layouts_.configure(font(), viewport()->width() - 2 * kMarginX, rowHeight_, viewport());
    lastTop_.reset();
}

void ByteMemo::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) configureLayouts();
    lastTop_.reset();
    top_ = std::min(rowsAfter(top_, 0), lastTop());
    syncScrollBar();
}

void ByteMemo::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        configureLayouts();
        syncScrollBar();
        viewport()->update();
    }
}

void ByteMemo::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const Row top = rowsAfter(top_, 0);
    int y = kMarginTop - top.row * rowHeight_;
    for (std::size_t block = top.block; block < blocks_.count() && y < viewport()->height(); ++block) {
        paintBlock(painter, block, y, event->rect());
        y += rowsIn(block) * rowHeight_;
    }
}

void ByteMemo::paintBlock(QPainter& painter, std::size_t block, int y, const QRect& clip) {
    QTextLayout& layout = layoutOf(block);
    const std::size_t start = blocks_.start(block);
    const std::size_t end = blockContentEnd(block);
    const QPointF origin(kMarginX, y);

    QList<QTextLayout::FormatRange> selections;
    QTextCharFormat selected;
    selected.setBackground(palette().brush(QPalette::Highlight));
    selected.setForeground(palette().brush(QPalette::HighlightedText));
    const std::size_t from = std::max(selectionStart(), start);
    const std::size_t to = std::min(selectionEnd(), end);
    if (from < to) selections.append({int(from - start), int(to - from), selected});
    layout.draw(&painter, origin, selections, clip);

    // A selected line break shows as a space-wide mark after the row's text.
    if (selectionStart() <= end && selectionEnd() > end && end < blocks_.end(block, text_)) {
        const QTextLine last = layout.lineAt(layout.lineCount() - 1);
        const QRectF mark(origin.x() + last.naturalTextWidth(), y + last.y(),
                          QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')), rowHeight_);
        painter.fillRect(mark, selected.background());
    }

    if (caretShown_ && hasFocus() && blocks_.blockAt(cursor_) == block) {
        layout.drawCursor(&painter, origin, int(cursor_ - start), 1);
    }
}

}  // namespace difonik
