#pragma once
// The text area `memo_tekst`: a multi-line text field that keeps its text as Windows-1250 bytes
// with CR LF line breaks and lays out only the lines it shows, so that a text of a hundred
// megabytes loads, scrolls and hands itself over to a pass without delay.
//
// Word wrap at the width, the vertical scroll bar always shown, no length limit of its own beyond
// what 32-bit positions address, Tab moves the focus on. The scroll bar counts display blocks
// (lines of the text, long lines cut in pieces), not wrapped rows: setting a text then costs one
// pass over its bytes.

#include "analysis/working_text.h"
#include "app/memo/block_index.h"
#include "app/memo/block_layouts.h"
#include "app/memo/edit_history.h"
#include "app/memo/text_buffer.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

class QTextLayout;

namespace difonik {

class ByteMemo : public QAbstractScrollArea, public TextSource {
    Q_OBJECT

public:
    // The passes address the text with signed 32-bit positions; a longer text is refused.
    static constexpr std::size_t kCapacity = std::numeric_limits<std::int32_t>::max();

    explicit ByteMemo(QWidget* parent = nullptr, std::size_t capacity = kCapacity);
    ~ByteMemo() override;

    // The whole text, without a copy; valid until the next edit or setText().
    std::string_view text() const override;
    // The whole text, lent without a copy for as long as the borrower wants it: the memo's next
    // change copies its text first, so the lent bytes never change.
    std::optional<SharedText> lendText() const override;

    // Replaces the whole text, taking the string over without a copy: cut at its first NUL, line
    // breaks made CR LF (copied only if some are not). The view goes back to the top, the undo
    // history is cleared, and the memo is redrawn once. Throws EInvalidOperation("Text exceeds
    // memo capacity") for a text it cannot hold, and keeps its previous text then.
    void setText(std::string text);

    // Byte positions, 0 to the text's length; a position inside a CR LF moves before it.
    std::size_t cursorPosition() const { return cursor_; }
    void setCursorPosition(std::size_t position);
    void setSelection(std::size_t anchor, std::size_t position);
    std::string selectedText() const;
    bool hasSelection() const { return anchor_ != cursor_; }

    bool isUndoAvailable() const { return history_.canUndo(); }
    bool isRedoAvailable() const { return history_.canRedo(); }

    // How many block layouts the memo has made: only the shown blocks and those next to them
    // should ever be laid out.
    std::size_t layoutsBuilt() const { return layouts_.built(); }

    // The caret's rectangle and the caret's line for input methods (and tests).
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

public slots:
    void undo();
    void redo();
    void cut();
    void copy() const;
    void paste();
    void selectAll();

signals:
    // The user changed the text (typing, deleting, pasting, cutting, undo, redo).
    void textEdited();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // One wrapped row: a block and a row of its layout.
    struct Row {
        std::size_t block = 0;
        int row = 0;
        auto operator<=>(const Row&) const = default;
    };

    enum class Motion {
        NextCharacter, PreviousCharacter, NextWord, PreviousWord, NextRow, PreviousRow,
        RowStart, RowEnd, TextStart, TextEnd, NextPage, PreviousPage,
    };

    // Editing (byte_memo.cpp).
    void edit(std::size_t from, std::size_t to, std::string bytes, memo::EditHistory::Kind kind);
    bool applyEdit(std::size_t position, std::string_view removed, std::string_view inserted);
    void followChange(const memo::BlockIndex::Change& change);
    void typeBytes(std::string bytes, memo::EditHistory::Kind kind = memo::EditHistory::Kind::Typing);
    void deleteTo(std::size_t position);
    void deleteSelection();
    std::size_t selectionStart() const { return std::min(anchor_, cursor_); }
    std::size_t selectionEnd() const { return std::max(anchor_, cursor_); }
    void placeCaret(std::size_t anchor, std::size_t cursor);
    void moveCaret(std::size_t position, bool select);

    // Rows and scrolling (byte_memo_view.cpp).
    QTextLayout& layoutOf(std::size_t block) const;
    std::size_t blockContentEnd(std::size_t block) const;
    int rowsIn(std::size_t block) const;
    Row rowsAfter(Row from, long long count) const;
    Row rowOf(std::size_t position) const;
    Row lastTop() const;
    int visibleRows() const;
    std::optional<int> rowOnScreen(Row row) const;
    std::size_t positionIn(Row row, qreal x) const;
    std::size_t rowEnd(Row row) const;
    std::size_t positionAt(QPoint point) const;
    qreal caretX() const;
    QRect caretRect() const;
    void setTop(Row top);
    void scrollRows(long long count);
    void ensureCaretVisible();
    void syncScrollBar();
    void stepScrollBar(int action);
    void configureLayouts();
    void paintBlock(QPainter& painter, std::size_t block, int y, const QRect& clip);

    // Keys and mouse (byte_memo_input.cpp).
    bool runCommand(QKeyEvent* event);
    bool runMotion(QKeyEvent* event);
    void move(Motion motion, bool select);
    std::size_t target(Motion motion);
    void restartBlink();
    void dragTo(QPoint point);

    memo::TextBuffer text_;
    memo::BlockIndex blocks_;
    mutable memo::BlockLayouts layouts_;
    memo::EditHistory history_;
    std::size_t capacity_;

    std::size_t anchor_ = 0;
    std::size_t cursor_ = 0;
    // The x the caret keeps while it moves up and down through shorter rows; negative when unset.
    qreal preferredX_ = -1;

    Row top_;
    mutable std::optional<Row> lastTop_;  // the top row that shows the text's end at the bottom
    int rowHeight_ = 1;
    bool settingScrollBar_ = false;
    int wheelRemainder_ = 0;

    bool caretShown_ = true;
    QBasicTimer blinkTimer_;
    bool mouseSelecting_ = false;
    QPoint dragPoint_;
    QBasicTimer dragScrollTimer_;
};

}  // namespace difonik
