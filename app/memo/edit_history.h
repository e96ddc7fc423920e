#pragma once
// Undo and redo: a stack of edits, each the bytes it removed and the bytes it inserted at one
// offset. A run of typing, or of deleting, is one step, as in the system's own text fields.

#include <cstddef>
#include <string>
#include <vector>

namespace difonik::memo {

struct Edit {
    std::size_t position = 0;
    std::string removed;
    std::string inserted;
    // The selection before the edit, given back by its undo.
    std::size_t anchorBefore = 0;
    std::size_t cursorBefore = 0;
};

class EditHistory {
public:
    // Typing and deleting continue the previous step of the same kind where they carry on from it.
    enum class Kind { Typing, Deleting, Other };

    void record(Edit edit, Kind kind);
    // The next edit starts a step of its own (the caret moved, or a step was undone).
    void endRun() { runOpen_ = false; }
    void clear();

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    // The step an undo reverses, or null; markUndone() moves it to the redo stack once it has been
    // reversed. Likewise for redo. A pointer is valid until the history changes.
    const Edit* lastDone() const { return done_.empty() ? nullptr : &done_.back(); }
    const Edit* lastUndone() const { return undone_.empty() ? nullptr : &undone_.back(); }
    void markUndone();
    void markRedone();

private:
    bool continues(const Edit& edit, Kind kind) const;

    std::vector<Edit> done_;
    std::vector<Edit> undone_;
    Kind lastKind_ = Kind::Other;
    bool runOpen_ = false;
};

}  // namespace difonik::memo
