// What the user does in the content box, without a window: the selection
// and the caret, typing and deleting, the caret's moves, and the one undo
// step an edit box keeps (an undo undoes the last change, or the last run
// of typing; a second undo takes the first back).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/memo/memo_layout.h"

namespace keyloom {

enum class MemoMotion {
    CharLeft,
    CharRight,
    WordLeft,
    WordRight,
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    LineStart,
    LineEnd,
    TextStart,
    TextEnd
};

class MemoEditor {
public:
    const MemoLayout& Layout() const { return layout_; }
    void SetFormat(int width, CharWidths widths);

    // New text: the caret at the start, nothing selected, nothing to undo,
    // not modified.
    void SetText(std::string text);
    const std::string& Text() const { return layout_.Text(); }

    // The caret is the moving end of the selection; the anchor the other.
    std::size_t Caret() const { return caret_; }
    std::size_t Anchor() const { return anchor_; }
    // The caret shows at the end of a line that wraps, not at the start of
    // the next one.
    bool AfterWrap() const { return afterWrap_; }
    std::size_t SelectionStart() const;
    std::size_t SelectionEnd() const;
    std::string SelectedText() const;
    // Places are snapped to positions (a character's start, never between
    // CR and LF); a place past the end is the end.
    void Select(std::size_t anchor, std::size_t caret, bool afterWrap = false);
    void SelectAll();

    // Replaces the selection with bytes and puts the caret after them.
    void ReplaceSelection(std::string_view bytes, bool undoable = true);
    // A typed character (Enter types CR LF): runs of typing undo together.
    void Type(std::string_view bytes);
    // The selection, else the character before (Backspace) or after
    // (Delete) the caret; a CR LF goes as one.
    void Backspace();
    void Delete();

    // Moves the caret; with extend the anchor stays, else both move and the
    // selection is gone. Up and down keep the caret's x while they last.
    // pageLines is how many lines a page moves.
    void Move(MemoMotion motion, bool extend, std::size_t pageLines = 1);

    bool CanUndo() const { return undo_.valid; }
    // Undoes the last change and selects what it put back.
    bool Undo();
    void ForgetUndo() { undo_ = UndoStep(); }

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

private:
    // The change an undo takes back: `inserted` bytes at pos that replaced
    // `removed`.
    struct UndoStep {
        bool valid = false;
        bool typing = false;
        std::size_t pos = 0;
        std::size_t inserted = 0;
        std::string removed;
    };

    void Change(std::size_t from, std::size_t to, std::string_view bytes, bool undoable,
                bool typing);
    void PlaceCaret(std::size_t pos, bool extend, bool afterWrap = false);
    std::size_t VerticalTarget(long lines, bool* afterWrap);

    MemoLayout layout_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    bool afterWrap_ = false;
    // The x that up and down aim for; negative when not moving vertically.
    int goalX_ = -1;
    UndoStep undo_;
    bool modified_ = false;
};

}  // namespace keyloom
