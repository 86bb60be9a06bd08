#include "core/memo/memo_editor.h"

#include <algorithm>

namespace keyloom {

void MemoEditor::SetFormat(int width, CharWidths widths) {
    layout_.SetFormat(width, std::move(widths));
    goalX_ = -1;
}

void MemoEditor::SetText(std::string text) {
    layout_.SetText(std::move(text));
    anchor_ = caret_ = 0;
    afterWrap_ = false;
    goalX_ = -1;
    undo_ = UndoStep();
    modified_ = false;
}

std::size_t MemoEditor::SelectionStart() const {
    return std::min(anchor_, caret_);
}

std::size_t MemoEditor::SelectionEnd() const {
    return std::max(anchor_, caret_);
}

std::string MemoEditor::SelectedText() const {
    return Text().substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void MemoEditor::Select(std::size_t anchor, std::size_t caret, bool afterWrap) {
    anchor_ = layout_.SnapPos(anchor);
    PlaceCaret(layout_.SnapPos(caret), true, afterWrap);
    goalX_ = -1;
}

void MemoEditor::SelectAll() {
    Select(0, Text().size());
}

void MemoEditor::ReplaceSelection(std::string_view bytes, bool undoable) {
    Change(SelectionStart(), SelectionEnd(), bytes, undoable, false);
}

void MemoEditor::Type(std::string_view bytes) {
    Change(SelectionStart(), SelectionEnd(), bytes, true, true);
}

void MemoEditor::Backspace() {
    if (anchor_ != caret_) {
        ReplaceSelection({});
    } else if (caret_ > 0) {
        Change(layout_.PreviousPos(caret_), caret_, {}, true, false);
    }
}

void MemoEditor::Delete() {
    if (anchor_ != caret_) {
        ReplaceSelection({});
    } else if (caret_ < Text().size()) {
        Change(caret_, layout_.NextPos(caret_), {}, true, false);
    }
}

void MemoEditor::Move(MemoMotion motion, bool extend, std::size_t pageLines) {
    const long page = static_cast<long>(std::max<std::size_t>(pageLines, 1));
    const bool vertical = motion == MemoMotion::LineUp || motion == MemoMotion::LineDown ||
                          motion == MemoMotion::PageUp || motion == MemoMotion::PageDown;
    if (!vertical) goalX_ = -1;
    const std::size_t line = layout_.LineOf(caret_, afterWrap_);
    bool afterWrap = false;
    std::size_t target = caret_;
    switch (motion) {
        case MemoMotion::CharLeft:
            target = layout_.PreviousPos(caret_);
            break;
        case MemoMotion::CharRight:
            target = layout_.NextPos(caret_);
            break;
        case MemoMotion::WordLeft:
            target = layout_.WordLeft(caret_);
            break;
        case MemoMotion::WordRight:
            target = layout_.WordRight(caret_);
            break;
        case MemoMotion::LineUp:
            target = VerticalTarget(-1, &afterWrap);
            break;
        case MemoMotion::LineDown:
            target = VerticalTarget(1, &afterWrap);
            break;
        case MemoMotion::PageUp:
            target = VerticalTarget(-page, &afterWrap);
            break;
        case MemoMotion::PageDown:
            target = VerticalTarget(page, &afterWrap);
            break;
        case MemoMotion::LineStart:
            target = layout_.Line(line).start;
            break;
        case MemoMotion::LineEnd:
            target = layout_.Line(line).End();
            afterWrap = layout_.Wraps(line);
            break;
        case MemoMotion::TextStart:
            target = 0;
            break;
        case MemoMotion::TextEnd:
            target = Text().size();
            break;
    }
    PlaceCaret(target, extend, afterWrap);
}

bool MemoEditor::Undo() {
    if (!undo_.valid) return false;
    const std::size_t pos = undo_.pos;
    std::string taken = Text().substr(pos, undo_.inserted);
    const std::string restored = std::move(undo_.removed);
    layout_.Replace(pos, pos + taken.size(), restored);
    undo_ = UndoStep{true, false, pos, restored.size(), std::move(taken)};
    anchor_ = pos;
    PlaceCaret(pos + restored.size(), true);
    goalX_ = -1;
    modified_ = true;
    return true;
}

void MemoEditor::Change(std::size_t from, std::size_t to, std::string_view bytes, bool undoable,
                        bool typing) {
    if (from == to && bytes.empty()) return;
    std::string removed = Text().substr(from, to - from);
    layout_.Replace(from, to, bytes);
    if (!undoable) {
        undo_ = UndoStep();
    } else if (typing && undo_.valid && undo_.typing && removed.empty() &&
               from == undo_.pos + undo_.inserted) {
        undo_.inserted += bytes.size();
    } else {
        undo_ = UndoStep{true, typing, from, bytes.size(), std::move(removed)};
    }
    // A lead byte typed last pairs with the byte after it: the caret goes
    // before that character.
    PlaceCaret(layout_.SnapPos(from + bytes.size()), false);
    goalX_ = -1;
    modified_ = true;
}

void MemoEditor::PlaceCaret(std::size_t pos, bool extend, bool afterWrap) {
    caret_ = pos;
    if (!extend) anchor_ = pos;
    // Only the end of a line that wraps can show at that line.
    afterWrap_ = afterWrap && layout_.LineOf(pos, true) != layout_.LineOf(pos);
}

std::size_t MemoEditor::VerticalTarget(long lines, bool* afterWrap) {
    const std::size_t line = layout_.LineOf(caret_, afterWrap_);
    if (goalX_ < 0) goalX_ = layout_.XOf(line, caret_);
    const long last = static_cast<long>(layout_.LineCount()) - 1;
    const long target = std::clamp(static_cast<long>(line) + lines, 0L, last);
    return layout_.PosAt(static_cast<std::size_t>(target), goalX_, afterWrap);
}

}  // namespace keyloom
