#include "core/edit_history.h"

namespace keyloom {

void EditHistory::Record(EditSteps steps) {
    if (steps.empty()) return;
    done_.push_back(std::move(steps));
    undone_.clear();
}

void EditHistory::Clear() {
    done_.clear();
    undone_.clear();
}

EditSteps EditHistory::TakeUndo() {
    EditSteps steps = std::move(done_.back());
    done_.pop_back();
    undone_.push_back(steps);
    return steps;
}

EditSteps EditHistory::TakeRedo() {
    EditSteps steps = std::move(undone_.back());
    undone_.pop_back();
    done_.push_back(steps);
    return steps;
}

std::size_t EditHistory::Bytes() const {
    std::size_t bytes = (done_.capacity() + undone_.capacity()) * sizeof(EditSteps);
    for (const auto* side : {&done_, &undone_}) {
        for (const EditSteps& steps : *side) bytes += steps.capacity() * sizeof(EditStep);
    }
    return bytes;
}

}  // namespace keyloom
