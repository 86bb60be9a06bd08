// What the user does in the content box: keys, typed characters, the mouse,
// the clipboard and the context menu, each as an edit box answers them.
#include <windows.h>

#include <imm.h>
#include <windowsx.h>

#include <cstring>
#include <string>

#include "window/memo/memo_state.h"

namespace keyloom {

namespace {

constexpr UINT_PTR kSelectingTimer = 1;
constexpr UINT kSelectingInterval = 100;

bool Held(int key) {
    return GetKeyState(key) < 0;
}

void Move(MemoState& memo, MemoMotion motion, bool extend) {
    memo.editor.Move(motion, extend, VisibleMemoLines(memo));
    ShowMemoChange(memo, true);
}

// A page up or down moves the view with the caret.
void MovePage(MemoState& memo, bool down, bool extend) {
    const std::size_t page = VisibleMemoLines(memo);
    memo.editor.Move(down ? MemoMotion::PageDown : MemoMotion::PageUp, extend, page);
    ScrollMemoTo(memo, down ? memo.top + page : (memo.top > page ? memo.top - page : 0));
    ShowMemoChange(memo, true);
}

bool HasSelection(const MemoState& memo) {
    return memo.editor.SelectionStart() != memo.editor.SelectionEnd();
}

void Cut(MemoState& memo) {
    if (!HasSelection(memo)) return;
    CopyMemoSelection(memo);
    if (MemoReadOnly(memo)) return;
    memo.editor.ReplaceSelection({});
    AfterMemoEdit(memo);
}

void Type(MemoState& memo, std::string_view bytes) {
    if (MemoReadOnly(memo)) return;
    memo.editor.Type(bytes);
    AfterMemoEdit(memo);
}

// Selects up to the point the pointer is at (the box scrolls when it is
// above or below it).
void SelectTo(MemoState& memo, int x, int y) {
    bool afterWrap = false;
    const std::size_t pos = MemoPosAt(memo, x, y, &afterWrap);
    memo.editor.Select(memo.editor.Anchor(), pos, afterWrap);
    ShowMemoChange(memo, true);
}

void StopSelecting(MemoState& memo) {
    if (!memo.selecting) return;
    memo.selecting = false;
    KillTimer(memo.window, kSelectingTimer);
    if (GetCapture() == memo.window) ReleaseCapture();
}

// The edit box's own context menu, in the system's language: Windows keeps
// it as menu 1 of user32, Wine by name.
HMENU LoadEditMenu() {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    HMENU menu = LoadMenuA(user32, "EDITMENU");
    return menu ? menu : LoadMenuA(user32, MAKEINTRESOURCEA(1));
}

void Enable(HMENU menu, UINT command, bool enabled) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

void AfterMemoEdit(MemoState& memo) {
    ShowMemoChange(memo, true);
    NotifyMemoParent(memo, EN_CHANGE);
}

void OnMemoKeyDown(MemoState& memo, WPARAM key) {
    const bool shift = Held(VK_SHIFT);
    const bool control = Held(VK_CONTROL);
    switch (key) {
        case VK_LEFT:
            Move(memo, control ? MemoMotion::WordLeft : MemoMotion::CharLeft, shift);
            break;
        case VK_RIGHT:
            Move(memo, control ? MemoMotion::WordRight : MemoMotion::CharRight, shift);
            break;
        case VK_UP:
            Move(memo, MemoMotion::LineUp, shift);
            break;
        case VK_DOWN:
            Move(memo, MemoMotion::LineDown, shift);
            break;
        case VK_PRIOR:
            MovePage(memo, false, shift);
            break;
        case VK_NEXT:
            MovePage(memo, true, shift);
            break;
        case VK_HOME:
            Move(memo, control ? MemoMotion::TextStart : MemoMotion::LineStart, shift);
            break;
        case VK_END:
            Move(memo, control ? MemoMotion::TextEnd : MemoMotion::LineEnd, shift);
            break;
        case VK_DELETE:
            if (shift) {
                Cut(memo);
            } else if (!MemoReadOnly(memo)) {
                memo.editor.Delete();
                AfterMemoEdit(memo);
            }
            break;
        case VK_INSERT:
            if (control) CopyMemoSelection(memo);
            if (shift && !control) PasteIntoMemo(memo);
            break;
        default:
            break;
    }
}

void OnMemoChar(MemoState& memo, WPARAM code) {
    // A two-byte character in one message (lead byte high), or in two.
    if (code > 0xFF) {
        const char both[2] = {static_cast<char>(code >> 8), static_cast<char>(code)};
        Type(memo, std::string_view(both, 2));
        return;
    }
    const auto byte = static_cast<unsigned char>(code);
    if (memo.pendingLead != 0) {
        const char both[2] = {static_cast<char>(memo.pendingLead), static_cast<char>(byte)};
        memo.pendingLead = 0;
        Type(memo, std::string_view(both, 2));
        return;
    }
    if (IsDBCSLeadByte(byte)) {
        memo.pendingLead = byte;
        return;
    }
    switch (byte) {
        case '\b':
            if (MemoReadOnly(memo)) return;
            memo.editor.Backspace();
            AfterMemoEdit(memo);
            return;
        case '\r':
        case '\n':
            Type(memo, "\r\n");
            return;
        case '\t':
            Type(memo, "\t");
            return;
        case 0x01:  // Ctrl+A
            memo.editor.SelectAll();
            ShowMemoChange(memo, true);
            return;
        case 0x03:  // Ctrl+C
            CopyMemoSelection(memo);
            return;
        case 0x16:  // Ctrl+V
            PasteIntoMemo(memo);
            return;
        case 0x18:  // Ctrl+X
            Cut(memo);
            return;
        case 0x1A:  // Ctrl+Z
            if (!MemoReadOnly(memo) && memo.editor.Undo()) AfterMemoEdit(memo);
            return;
        default:
            // Other control characters (Ctrl+Backspace too) type nothing.
            if (byte < 0x20 || byte == 0x7F) return;
            Type(memo, std::string_view(reinterpret_cast<const char*>(&byte), 1));
    }
}

void OnMemoMouse(MemoState& memo, UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    switch (message) {
        case WM_LBUTTONDOWN: {
            if (GetFocus() != memo.window) SetFocus(memo.window);
            bool afterWrap = false;
            const std::size_t pos = MemoPosAt(memo, x, y, &afterWrap);
            const bool extend = (wParam & MK_SHIFT) != 0;
            memo.editor.Select(extend ? memo.editor.Anchor() : pos, pos, afterWrap);
            memo.selecting = true;
            SetCapture(memo.window);
            SetTimer(memo.window, kSelectingTimer, kSelectingInterval, nullptr);
            ShowMemoChange(memo, true);
            break;
        }
        case WM_MOUSEMOVE:
            if (memo.selecting) SelectTo(memo, x, y);
            break;
        case WM_TIMER: {
            // Selecting goes on while the pointer is held above or below.
            if (!memo.selecting || wParam != kSelectingTimer) break;
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(memo.window, &point);
            RECT client;
            GetClientRect(memo.window, &client);
            if (point.y < client.top || point.y >= client.bottom) SelectTo(memo, point.x, point.y);
            break;
        }
        case WM_LBUTTONUP:
            StopSelecting(memo);
            break;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != memo.window) StopSelecting(memo);
            break;
        case WM_LBUTTONDBLCLK: {
            std::size_t begin = 0;
            std::size_t end = 0;
            memo.editor.Layout().WordAround(memo.editor.Caret(), &begin, &end);
            memo.editor.Select(begin, end);
            ShowMemoChange(memo, true);
            break;
        }
        default:
            break;
    }
}

void OnMemoWheel(MemoState& memo, WPARAM wParam) {
    memo.wheelRest += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = memo.wheelRest / WHEEL_DELTA;
    memo.wheelRest %= WHEEL_DELTA;
    if (notches == 0) return;
    UINT perNotch = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &perNotch, 0);
    const long step = perNotch == WHEEL_PAGESCROLL ? static_cast<long>(VisibleMemoLines(memo))
                                                   : static_cast<long>(perNotch);
    const long top = static_cast<long>(memo.top) - notches * step;
    ScrollMemoTo(memo, static_cast<std::size_t>(top > 0 ? top : 0));
}

void CopyMemoSelection(const MemoState& memo) {
    const std::string selected = memo.editor.SelectedText();
    if (selected.empty() || !OpenClipboard(memo.window)) return;
    EmptyClipboard();
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, selected.size() + 1)) {
        auto* bytes = static_cast<char*>(GlobalLock(block));
        std::memcpy(bytes, selected.data(), selected.size());
        bytes[selected.size()] = '\0';
        GlobalUnlock(block);
        if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    }
    CloseClipboard();
}

void PasteIntoMemo(MemoState& memo) {
    if (MemoReadOnly(memo) || !OpenClipboard(memo.window)) return;
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (text.empty()) return;
    memo.editor.ReplaceSelection(text);
    AfterMemoEdit(memo);
}

void ShowMemoMenu(MemoState& memo, LPARAM where) {
    HMENU menu = LoadEditMenu();
    if (!menu) return;
    if (GetFocus() != memo.window) SetFocus(memo.window);
    HMENU popup = GetSubMenu(menu, 0);
    const bool selected = HasSelection(memo);
    const bool editable = !MemoReadOnly(memo);
    const bool all = memo.editor.SelectionStart() == 0 &&
                     memo.editor.SelectionEnd() == memo.editor.Text().size();
    for (UINT undo : {static_cast<UINT>(EM_UNDO), static_cast<UINT>(WM_UNDO)}) {
        Enable(popup, undo, editable && memo.editor.CanUndo());
    }
    Enable(popup, WM_CUT, editable && selected);
    Enable(popup, WM_COPY, selected);
    Enable(popup, WM_PASTE, editable && IsClipboardFormatAvailable(CF_TEXT) != FALSE);
    Enable(popup, WM_CLEAR, editable && selected);
    Enable(popup, EM_SETSEL, !all);
    POINT point = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    // From the keyboard: at the caret.
    if (where == -1) {
        GetCaretPos(&point);
        point.y += memo.lineHeight;
        ClientToScreen(memo.window, &point);
    }
    const UINT command =
        static_cast<UINT>(TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                         point.x, point.y, 0, memo.window, nullptr));
    DestroyMenu(menu);
    switch (command) {
        case EM_UNDO:
        case WM_UNDO:
        case WM_CUT:
        case WM_COPY:
        case WM_PASTE:
        case WM_CLEAR:
            SendMessageA(memo.window, command, 0, 0);
            break;
        case EM_SETSEL:
            SendMessageA(memo.window, EM_SETSEL, 0, -1);
            break;
        default:
            break;
    }
}

void PlaceMemoComposition(const MemoState& memo) {
    HIMC context = ImmGetContext(memo.window);
    if (!context) return;
    COMPOSITIONFORM form = {};
    form.dwStyle = CFS_POINT;
    GetCaretPos(&form.ptCurrentPos);
    ImmSetCompositionWindow(context, &form);
    LOGFONTA font = {};
    if (memo.font && GetObjectA(memo.font, sizeof font, &font))
        ImmSetCompositionFontA(context, &font);
    ImmReleaseContext(memo.window, context);
}

}  // namespace keyloom
