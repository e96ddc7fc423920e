#include "app/memo/byte_memo.h"

#include "analysis/errors.h"
#include "app/memo/caret_steps.h"
#include "app/memo/memo_content.h"
#include "app/memo/user_text.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>

#include <new>

namespace difonik {

using memo::EditHistory;

ByteMemo::ByteMemo(QWidget* parent, std::size_t capacity)
    : QAbstractScrollArea(parent), capacity_(std::min(capacity, kCapacity)) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &ByteMemo::stepScrollBar);
    configureLayouts();
    syncScrollBar();
}

ByteMemo::~ByteMemo() = default;

std::string_view ByteMemo::text() const { return text_.view(); }

std::optional<SharedText> ByteMemo::lendText() const {
    std::shared_ptr<const std::string> buffer = text_.lend();
    const std::string_view bytes(buffer->data(), text_.size());
    return SharedText{std::move(buffer), bytes};
}

void ByteMemo::setText(std::string text) {
    std::string bytes = memo::admitted(std::move(text), capacity_);
    memo::BlockIndex blocks;
    try {
        blocks = memo::BlockIndex::of(bytes);
        text_.assign(std::move(bytes));
    } catch (const std::bad_alloc&) {
        throw EInvalidOperation("Text exceeds memo capacity");
    }
    blocks_ = std::move(blocks);
    history_.clear();
    layouts_.clear();
    anchor_ = cursor_ = 0;
    preferredX_ = -1;
    top_ = {};
    lastTop_.reset();
    syncScrollBar();
    viewport()->update();
}

void ByteMemo::setCursorPosition(std::size_t position) { setSelection(position, position); }

void ByteMemo::setSelection(std::size_t anchor, std::size_t position) {
    placeCaret(memo::validPosition(text_, anchor), memo::validPosition(text_, position));
    history_.endRun();
    preferredX_ = -1;
    ensureCaretVisible();
}

std::string ByteMemo::selectedText() const {
    return text_.copy(selectionStart(), selectionEnd() - selectionStart());
}

void ByteMemo::selectAll() { setSelection(0, text_.size()); }

void ByteMemo::copy() const {
    if (hasSelection()) QApplication::clipboard()->setText(memo::forClipboard(selectedText()));
}

void ByteMemo::cut() {
    if (!hasSelection()) return;
    copy();
    deleteSelection();
}

void ByteMemo::paste() {
    const QString pasted = QApplication::clipboard()->text();
    if (pasted.isEmpty()) return;
    typeBytes(memo::fromUser(pasted), EditHistory::Kind::Other);
}

void ByteMemo::undo() {
    const memo::Edit* step = history_.lastDone();
    if (!step || !applyEdit(step->position, step->inserted, step->removed)) return;
    const std::size_t anchor = step->anchorBefore;
    const std::size_t cursor = step->cursorBefore;
    history_.markUndone();
    placeCaret(anchor, cursor);
    ensureCaretVisible();
    emit textEdited();
}

void ByteMemo::redo() {
    const memo::Edit* step = history_.lastUndone();
    if (!step || !applyEdit(step->position, step->removed, step->inserted)) return;
    const std::size_t caret = step->position + step->inserted.size();
    history_.markRedone();
    placeCaret(caret, caret);
    ensureCaretVisible();
    emit textEdited();
}

void ByteMemo::typeBytes(std::string bytes, EditHistory::Kind kind) {
    edit(selectionStart(), selectionEnd(), std::move(bytes), kind);
}

void ByteMemo::deleteSelection() { edit(selectionStart(), selectionEnd(), {}, EditHistory::Kind::Other); }

void ByteMemo::deleteTo(std::size_t position) {
    if (hasSelection()) {
        deleteSelection();
    } else if (position != cursor_) {
        edit(std::min(position, cursor_), std::max(position, cursor_), {}, EditHistory::Kind::Deleting);
    }
}

void ByteMemo::edit(std::size_t from, std::size_t to, std::string bytes, EditHistory::Kind kind) {
    if (from == to && bytes.empty()) return;
    // A change the memo cannot hold is refused whole, as the system's text fields do.
    if (text_.size() - (to - from) + bytes.size() > capacity_) {
        QApplication::beep();
        return;
    }
    try {
        memo::Edit step{from, text_.copy(from, to - from), std::move(bytes), anchor_, cursor_};
        if (!applyEdit(step.position, step.removed, step.inserted)) {
            QApplication::beep();
            return;
        }
        const std::size_t caret = from + step.inserted.size();
        history_.record(std::move(step), kind);
        placeCaret(caret, caret);
    } catch (const std::bad_alloc&) {
        QApplication::beep();
        return;
    }
    preferredX_ = -1;
    ensureCaretVisible();
    emit textEdited();
}

bool ByteMemo::applyEdit(std::size_t position, std::string_view removed, std::string_view inserted) {
    try {
        text_.replace(position, removed.size(), inserted);
    } catch (const std::bad_alloc&) {
        return false;
    }
    memo::BlockIndex::Change change{};
    try {
        change = blocks_.update(text_, position, removed.size(), inserted.size());
    } catch (const std::bad_alloc&) {
        // Putting the old bytes back needs no more room than they had.
        text_.replace(position, inserted.size(), removed);
        return false;
    }
    followChange(change);
    return true;
}

void ByteMemo::followChange(const memo::BlockIndex::Change& change) {
    layouts_.blocksReplaced(change);
    if (top_.block >= change.oldEnd) {
        top_.block = top_.block - change.oldEnd + change.newEnd;
    } else if (top_.block >= change.newEnd) {
        top_ = {change.newEnd - 1, 0};
    }
    lastTop_.reset();
    syncScrollBar();
    viewport()->update();
}

void ByteMemo::placeCaret(std::size_t anchor, std::size_t cursor) {
    anchor_ = anchor;
    cursor_ = cursor;
    restartBlink();
    viewport()->update();
}

void ByteMemo::moveCaret(std::size_t position, bool select) {
    placeCaret(select ? anchor_ : position, position);
    history_.endRun();
    ensureCaretVisible();
}

}  // namespace difonik
