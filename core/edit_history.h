// The changes of a run, for undo and redo: each change is the steps that
// carried it out, in order. Taking one back carries out their inverses in
// the other order; doing it again carries them out once more. A new
// change drops what could be done again, as editors do. A change keeps
// only its steps (the lines themselves stay in the store), so the history
// grows with what changed, not with the size of the file.
#pragma once

#include <cstddef>
#include <vector>

#include "core/edited_lines.h"

namespace keyloom {

class EditHistory {
public:
    void Record(EditSteps steps);
    void Clear();

    bool CanUndo() const { return !done_.empty(); }
    bool CanRedo() const { return !undone_.empty(); }

    // The change to take back or do again, moved to the other side.
    EditSteps TakeUndo();
    EditSteps TakeRedo();

    std::size_t Bytes() const;

private:
    std::vector<EditSteps> done_;
    std::vector<EditSteps> undone_;
};

}  // namespace keyloom
