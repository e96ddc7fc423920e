#include "app/memo/edit_history.h"

namespace difonik::memo {

bool EditHistory::continues(const Edit& edit, Kind kind) const {
    if (!runOpen_ || kind != lastKind_ || kind == Kind::Other || done_.empty()) return false;
    const Edit& last = done_.back();
    if (kind == Kind::Typing) {
        return edit.removed.empty() && edit.position == last.position + last.inserted.size();
    }
    // Backspace runs leftwards, Delete stays in place.
    return edit.inserted.empty() && last.inserted.empty() &&
           (edit.position + edit.removed.size() == last.position || edit.position == last.position);
}

void EditHistory::record(Edit edit, Kind kind) {
    undone_.clear();
    if (continues(edit, kind)) {
        Edit& last = done_.back();
        if (kind == Kind::Typing) {
            last.inserted += edit.inserted;
        } else if (edit.position < last.position) {
            last.removed.insert(0, edit.removed);
            last.position = edit.position;
        } else {
            last.removed += edit.removed;
        }
    } else {
        done_.push_back(std::move(edit));
    }
    lastKind_ = kind;
    runOpen_ = true;
}

void EditHistory::clear() {
    done_.clear();
    undone_.clear();
    runOpen_ = false;
}

namespace {

void moveTop(std::vector<Edit>& from, std::vector<Edit>& to) {
    to.push_back(std::move(from.back()));
    from.pop_back();
}

}  // namespace

void EditHistory::markUndone() {
    runOpen_ = false;
    if (!done_.empty()) moveTop(done_, undone_);
}

void EditHistory::markRedone() {
    runOpen_ = false;
    if (!undone_.empty()) moveTop(undone_, done_);
}

}  // namespace difonik::memo
