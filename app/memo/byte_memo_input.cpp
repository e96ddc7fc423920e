// The memo's keyboard, mouse and input-method handling: the editing keys of the system's
// multi-line text field.

#include "app/memo/byte_memo.h"

#include "app/memo/caret_steps.h"
#include "app/memo/memo_content.h"
#include "app/memo/user_text.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QScrollBar>
#include <QTextLayout>
#include <QWheelEvent>

#include <array>
#include <utility>

namespace difonik {
namespace {

struct MotionKey {
    QKeySequence::StandardKey move;
    QKeySequence::StandardKey select;
};

bool isCtrl(const QKeyEvent* event, Qt::Key key, Qt::KeyboardModifiers extra = {}) {
    return event->key() == key && event->modifiers() == (Qt::ControlModifier | extra);
}

// Ctrl or Alt alone makes a key a command (Alt with a letter is a menu mnemonic of the window);
// Ctrl with Alt is AltGr on some systems and types letters.
bool isCommandChord(Qt::KeyboardModifiers modifiers) {
    return modifiers.testFlag(Qt::ControlModifier) != modifiers.testFlag(Qt::AltModifier);
}

// A key the memo types without question, so it keeps it from the window's shortcuts.
bool isPlainTyping(const QKeyEvent* event) {
    const Qt::KeyboardModifiers chord = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return chord == Qt::NoModifier && memo::isTypable(event->text());
}

bool isTab(const QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return plain && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab);
}

}  // namespace

bool ByteMemo::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Tab is never typed into the memo: it moves the focus on, Shift+Tab back.
        if (isTab(key)) {
            const bool forward = key->key() == Qt::Key_Tab && !key->modifiers().testFlag(Qt::ShiftModifier);
            focusNextPrevChild(forward);
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // The memo's own editing keys win over any shortcut of the window.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool typed = isPlainTyping(key);
        const bool editing = key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
                             key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Undo) ||
                             key->matches(QKeySequence::Redo) || key->matches(QKeySequence::SelectAll) ||
                             isCtrl(key, Qt::Key_Y) || key->key() == Qt::Key_Backspace ||
                             key->key() == Qt::Key_Delete || key->key() == Qt::Key_Home ||
                             key->key() == Qt::Key_End || key->key() == Qt::Key_Left ||
                             key->key() == Qt::Key_Right;
        if (typed || editing) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void ByteMemo::keyPressEvent(QKeyEvent* event) {
    if (runCommand(event) || runMotion(event)) return;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        typeBytes(memo::kLineBreak);
    } else if (event->key() == Qt::Key_Backspace && !isCommandChord(event->modifiers())) {
        deleteTo(memo::previousCharacter(text_, cursor_));
    } else if (memo::isTypable(event->text()) && !isCommandChord(event->modifiers())) {
        typeBytes(memo::fromUser(event->text()));
    } else {
        event->ignore();
        return;
    }
    event->accept();
}

bool ByteMemo::runCommand(QKeyEvent* event) {
    // Ctrl+Z and Ctrl+Y are the system's undo and redo whatever the desktop's key scheme says.
    if (event->matches(QKeySequence::Undo) || isCtrl(event, Qt::Key_Z)) {
        undo();
    } else if (event->matches(QKeySequence::Redo) || isCtrl(event, Qt::Key_Y)) {
        redo();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->matches(QKeySequence::Delete)) {
        deleteTo(memo::nextCharacter(text_, cursor_));
    } else if (event->matches(QKeySequence::DeleteEndOfWord)) {
        deleteTo(memo::nextWord(text_, cursor_));
    } else if (event->matches(QKeySequence::DeleteStartOfWord)) {
        deleteTo(memo::previousWord(text_, cursor_));
    } else {
        return false;
    }
    event->accept();
    return true;
}

bool ByteMemo::runMotion(QKeyEvent* event) {
    using K = QKeySequence;
    static constexpr std::array<std::pair<Motion, MotionKey>, 12> kKeys{{
        {Motion::NextCharacter, {K::MoveToNextChar, K::SelectNextChar}},
        {Motion::PreviousCharacter, {K::MoveToPreviousChar, K::SelectPreviousChar}},
        {Motion::NextWord, {K::MoveToNextWord, K::SelectNextWord}},
        {Motion::PreviousWord, {K::MoveToPreviousWord, K::SelectPreviousWord}},
        {Motion::NextRow, {K::MoveToNextLine, K::SelectNextLine}},
        {Motion::PreviousRow, {K::MoveToPreviousLine, K::SelectPreviousLine}},
        {Motion::RowStart, {K::MoveToStartOfLine, K::SelectStartOfLine}},
        {Motion::RowEnd, {K::MoveToEndOfLine, K::SelectEndOfLine}},
        {Motion::TextStart, {K::MoveToStartOfDocument, K::SelectStartOfDocument}},
        {Motion::TextEnd, {K::MoveToEndOfDocument, K::SelectEndOfDocument}},
        {Motion::NextPage, {K::MoveToNextPage, K::SelectNextPage}},
        {Motion::PreviousPage, {K::MoveToPreviousPage, K::SelectPreviousPage}},
    }};
    for (const auto& [motion, keys] : kKeys) {
        const bool select = event->matches(keys.select);
        if (select || event->matches(keys.move)) {
            move(motion, select);
            event->accept();
            return true;
        }
    }
    return false;
}

void ByteMemo::move(Motion motion, bool select) {
    const bool vertical = motion == Motion::NextRow || motion == Motion::PreviousRow ||
                          motion == Motion::NextPage || motion == Motion::PreviousPage;
    if (!vertical) {
        preferredX_ = -1;
    } else if (preferredX_ < 0) {
        preferredX_ = caretX();
    }
    moveCaret(target(motion), select);
}

std::size_t ByteMemo::target(Motion motion) {
    const Row caret = rowOf(cursor_);
    switch (motion) {
        case Motion::NextCharacter: return memo::nextCharacter(text_, cursor_);
        case Motion::PreviousCharacter: return memo::previousCharacter(text_, cursor_);
        case Motion::NextWord: return memo::nextWord(text_, cursor_);
        case Motion::PreviousWord: return memo::previousWord(text_, cursor_);
        case Motion::NextRow: return positionIn(rowsAfter(caret, 1), preferredX_);
        case Motion::PreviousRow: return positionIn(rowsAfter(caret, -1), preferredX_);
        case Motion::RowStart: return positionIn(caret, 0);
        case Motion::RowEnd: return rowEnd(caret);
        case Motion::TextStart: return 0;
        case Motion::TextEnd: return text_.size();
        case Motion::NextPage:
        case Motion::PreviousPage: {
            // The page moves, and the caret with it to the same place on the screen.
            const long long rows = motion == Motion::NextPage ? visibleRows() : -visibleRows();
            scrollRows(rows);
            return positionIn(rowsAfter(caret, rows), preferredX_);
        }
    }
    return cursor_;
}

void ByteMemo::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) typeBytes(memo::fromUser(event->commitString()));
    event->accept();
}

QVariant ByteMemo::inputMethodQuery(Qt::InputMethodQuery query) const {
    const std::size_t block = blocks_.blockAt(cursor_);
    const std::size_t start = blocks_.start(block);
    switch (query) {
        case Qt::ImEnabled: return true;
        case Qt::ImHints: return int(Qt::ImhMultiLine);
        case Qt::ImCursorRectangle: return caretRect();
        case Qt::ImFont: return font();
        case Qt::ImCursorPosition: return int(cursor_ - start);
        case Qt::ImAnchorPosition: return int(std::clamp(anchor_, start, blockContentEnd(block)) - start);
        case Qt::ImSurroundingText: return memo::shown(text_.copy(start, blockContentEnd(block) - start));
        case Qt::ImCurrentSelection: {
            const std::size_t from = std::max(selectionStart(), start);
            const std::size_t to = std::min(selectionEnd(), blockContentEnd(block));
            return from < to ? memo::shown(text_.copy(from, to - from)) : QString();
        }
        default: return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void ByteMemo::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    preferredX_ = -1;
    mouseSelecting_ = true;
    moveCaret(positionAt(event->position().toPoint()), event->modifiers().testFlag(Qt::ShiftModifier));
}

void ByteMemo::mouseMoveEvent(QMouseEvent* event) {
    if (!mouseSelecting_ || !(event->buttons() & Qt::LeftButton)) return;
    dragTo(event->position().toPoint());
    const bool outside = dragPoint_.y() < 0 || dragPoint_.y() >= viewport()->height();
    if (outside && !dragScrollTimer_.isActive()) dragScrollTimer_.start(50, this);
    if (!outside) dragScrollTimer_.stop();
}

void ByteMemo::dragTo(QPoint point) {
    dragPoint_ = point;
    moveCaret(positionAt(point), true);
}

void ByteMemo::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    mouseSelecting_ = false;
    dragScrollTimer_.stop();
}

void ByteMemo::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const auto [start, end] = memo::wordAround(text_, positionAt(event->position().toPoint()));
    placeCaret(start, end);
    history_.endRun();
    mouseSelecting_ = false;
}

void ByteMemo::wheelEvent(QWheelEvent* event) {
    // Rows, not blocks: a long line that wraps to many rows scrolls through row by row.
    wheelRemainder_ += event->angleDelta().y() * QApplication::wheelScrollLines();
    const int rows = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRemainder_ -= rows * QWheelEvent::DefaultDeltasPerStep;
    if (rows != 0) scrollRows(-rows);
    event->accept();
}

void ByteMemo::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(tr("&Undo"), this, &ByteMemo::undo)->setEnabled(isUndoAvailable());
    menu.addAction(tr("&Redo"), this, &ByteMemo::redo)->setEnabled(isRedoAvailable());
    menu.addSeparator();
    menu.addAction(tr("Cu&t"), this, &ByteMemo::cut)->setEnabled(hasSelection());
    menu.addAction(tr("&Copy"), this, &ByteMemo::copy)->setEnabled(hasSelection());
    menu.addAction(tr("&Paste"), this, &ByteMemo::paste)->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu.addAction(tr("&Delete"), this, &ByteMemo::deleteSelection)->setEnabled(hasSelection());
    menu.addSeparator();
    menu.addAction(tr("Select &All"), this, &ByteMemo::selectAll)->setEnabled(text_.size() > 0);
    menu.exec(event->globalPos());
}

void ByteMemo::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
    viewport()->update();
}

void ByteMemo::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blinkTimer_.stop();
    viewport()->update();
}

void ByteMemo::restartBlink() {
    caretShown_ = true;
    const int flashTime = QApplication::cursorFlashTime();
    if (hasFocus() && flashTime > 0) {
        blinkTimer_.start(flashTime / 2, this);
    } else {
        blinkTimer_.stop();
    }
}

void ByteMemo::timerEvent(QTimerEvent* event) {
    if (event->timerId() == blinkTimer_.timerId()) {
        caretShown_ = !caretShown_;
        viewport()->update(caretRect().adjusted(-1, 0, 1, 0));
    } else if (event->timerId() == dragScrollTimer_.timerId()) {
        scrollRows(dragPoint_.y() < 0 ? -1 : 1);
        dragTo(dragPoint_);
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

}  // namespace difonik
