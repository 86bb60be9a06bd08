#include "core/edited_lines.h"

#include <algorithm>

namespace keyloom {

EditStep Inverse(const EditStep& step) {
    EditStep inverse = step;
    inverse.kind =
        step.kind == EditStep::Kind::Remove ? EditStep::Kind::Insert : EditStep::Kind::Remove;
    return inverse;
}

void EditedLines::Assign(LineSequence lines) {
    std::vector<LineId> rows = HotkeyLinesOf(store_, lines);
    Assign(std::move(lines), std::move(rows));
}

void EditedLines::Assign(LineSequence lines, std::vector<LineId> rows) {
    lines_ = std::make_shared<LineSequence>(std::move(lines));
    shared_ = false;
    rows_.Assign(std::move(rows));
}

std::shared_ptr<const LineSequence> EditedLines::Share() {
    shared_ = true;
    return lines_;
}

LineSequence& EditedLines::MutableLines() {
    if (shared_) {
        lines_ = std::make_shared<LineSequence>(*lines_);
        shared_ = false;
    }
    return *lines_;
}

long EditedLines::PlaceOf(LineId line) const {
    if (line == kNoLineId) return -1;
    const auto found = std::find(lines_->begin(), lines_->end(), line);
    return found == lines_->end() ? -1 : static_cast<long>(found - lines_->begin());
}

EditStep EditedLines::RemoveStep(LineId line) const {
    EditStep step{EditStep::Kind::Remove, line};
    const long place = PlaceOf(line);
    if (place > 0) step.after = (*lines_)[static_cast<std::size_t>(place - 1)];
    if (place >= 0 && static_cast<std::size_t>(place + 1) < lines_->size()) {
        step.before = (*lines_)[static_cast<std::size_t>(place + 1)];
    }
    step.row = rows_.IndexOf(line);
    return step;
}

EditStep EditedLines::InsertStep(LineId line, LineId beforeLine, int row) const {
    EditStep step{EditStep::Kind::Insert, line};
    const long place =
        beforeLine == kNoLineId ? static_cast<long>(lines_->size()) : PlaceOf(beforeLine);
    step.before = beforeLine;
    if (place > 0) step.after = (*lines_)[static_cast<std::size_t>(place - 1)];
    step.row = store_[line].hotkey ? row : -1;
    return step;
}

EditedLines::Applied EditedLines::Apply(const EditStep& step, LineId fallback) {
    Applied applied;
    const long place = PlaceOf(step.line);
    if (step.kind == EditStep::Kind::Remove) {
        if (place < 0) return applied;
        LineSequence& lines = MutableLines();
        lines.erase(lines.begin() + place);
        applied.done = true;
        if (store_[step.line].hotkey) {
            int row = step.row;
            if (row < 0 || static_cast<std::size_t>(row) >= rows_.Count() ||
                rows_.IdAt(static_cast<std::size_t>(row)) != step.line) {
                row = rows_.IndexOf(step.line);
            }
            if (row >= 0) rows_.Erase(static_cast<std::size_t>(row));
            applied.row = row;
        }
        return applied;
    }
    if (place >= 0) return applied;
    // Right after the line it followed; else right before the one that
    // followed it; else where new lines go.
    const long after = PlaceOf(step.after);
    const long before = PlaceOf(step.before);
    const long anchor = PlaceOf(fallback);
    long at = static_cast<long>(lines_->size());
    if (after >= 0) {
        at = after + 1;
    } else if (before >= 0) {
        at = before;
    } else if (step.after == kNoLineId) {
        // It was the first line (of an empty file, when nothing followed).
        at = step.before == kNoLineId ? at : 0;
    } else if (anchor >= 0) {
        at = anchor;
    }
    LineSequence& lines = MutableLines();
    lines.insert(lines.begin() + at, step.line);
    applied.done = true;
    if (store_[step.line].hotkey) {
        const std::size_t row = step.row < 0
                                    ? rows_.Count()
                                    : std::min(static_cast<std::size_t>(step.row), rows_.Count());
        rows_.Insert(row, step.line);
        applied.row = static_cast<int>(row);
    }
    return applied;
}

}  // namespace keyloom
