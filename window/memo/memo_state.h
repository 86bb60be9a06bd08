// What the content box's window keeps, and the parts of its procedure that
// the files of the box share: the view (memo_view.cpp: drawing, scrolling,
// the caret) and the user's input (memo_input.cpp: keys, characters, the
// mouse, the clipboard and the context menu).
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/memo/memo_editor.h"

namespace keyloom {

struct MemoState {
    HWND window = nullptr;
    MemoEditor editor;
    HFONT font = nullptr;
    // A memory device context with the font selected, for measuring.
    HDC measuring = nullptr;
    int lineHeight = 1;
    // The first line shown.
    std::size_t top = 0;
    bool focused = false;
    // The left button is down in the box, selecting.
    bool selecting = false;
    // The scroll bar's last line, page and place as last set.
    int scrollShown[3] = {-1, -1, -1};
    // Wheel turns not yet worth a line.
    int wheelRest = 0;
    // The first byte of a character that comes as two WM_CHAR messages.
    unsigned char pendingLead = 0;
};

// A box with ES_READONLY shows, selects and copies its text; the user
// cannot change it.
inline bool MemoReadOnly(const MemoState& memo) {
    return (GetWindowLongPtrA(memo.window, GWL_STYLE) & ES_READONLY) != 0;
}

// Tells the parent, as an edit box does (EN_CHANGE, EN_SETFOCUS, ...).
void NotifyMemoParent(const MemoState& memo, WORD code);

// The view.
void UseMemoFont(MemoState& memo, HFONT font);
void RefitMemo(MemoState& memo);
void PaintMemo(MemoState& memo, HDC dc);
std::size_t VisibleMemoLines(const MemoState& memo);
void ScrollMemoTo(MemoState& memo, std::size_t top);
void OnMemoScrollBar(MemoState& memo, WPARAM request);
// After the text or the selection changed: the caret's line brought into
// view (when scroll), the caret placed, the box drawn again.
void ShowMemoChange(MemoState& memo, bool scroll);
// The position under a point of the client area.
std::size_t MemoPosAt(const MemoState& memo, int x, int y, bool* afterWrap);
void PlaceMemoCaret(const MemoState& memo);

// The input.
void OnMemoKeyDown(MemoState& memo, WPARAM key);
void OnMemoChar(MemoState& memo, WPARAM code);
void OnMemoMouse(MemoState& memo, UINT message, WPARAM wParam, LPARAM lParam);
void OnMemoWheel(MemoState& memo, WPARAM wParam);
void CopyMemoSelection(const MemoState& memo);
void PasteIntoMemo(MemoState& memo);
void ShowMemoMenu(MemoState& memo, LPARAM where);
// The input method's window at the caret, in the box's font.
void PlaceMemoComposition(const MemoState& memo);
// A change the user made: shown, and the parent told (EN_CHANGE).
void AfterMemoEdit(MemoState& memo);

}  // namespace keyloom
