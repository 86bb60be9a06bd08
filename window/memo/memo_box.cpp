// The content box's window procedure: each message to the part of the box
// that answers it.
#include "window/memo/memo_box.h"

#include <algorithm>
#include <cstring>

#include "window/memo/memo_state.h"

namespace keyloom {

namespace {

MemoState* StateOf(HWND window) {
    return reinterpret_cast<MemoState*>(GetWindowLongPtrA(window, 0));
}

void ShowNewText(MemoState& memo, std::string text) {
    memo.editor.SetText(std::move(text));
    memo.top = 0;
    ShowMemoChange(memo, false);
}

LRESULT CopyText(const MemoState& memo, WPARAM capacity, LPARAM buffer) {
    if (capacity == 0 || buffer == 0) return 0;
    const MemoLayout& layout = memo.editor.Layout();
    // As much as fits, never half a character.
    const std::size_t length = layout.SnapPos(std::min<std::size_t>(layout.Size(), capacity - 1));
    auto* target = reinterpret_cast<char*>(buffer);
    std::memcpy(target, layout.Text().data(), length);
    target[length] = '\0';
    return static_cast<LRESULT>(length);
}

LRESULT Selection(const MemoState& memo, WPARAM start, LPARAM end) {
    const std::size_t from = memo.editor.SelectionStart();
    const std::size_t to = memo.editor.SelectionEnd();
    if (start) *reinterpret_cast<DWORD*>(start) = static_cast<DWORD>(from);
    if (end) *reinterpret_cast<DWORD*>(end) = static_cast<DWORD>(to);
    return to > 0xFFFF ? -1 : MAKELRESULT(from, to);
}

void Select(MemoState& memo, WPARAM start, LPARAM end) {
    const std::size_t size = memo.editor.Text().size();
    if (static_cast<int>(start) < 0) {
        // -1: nothing selected, the caret stays.
        memo.editor.Select(memo.editor.Caret(), memo.editor.Caret());
    } else {
        const std::size_t to = static_cast<int>(end) < 0 ? size : static_cast<std::size_t>(end);
        memo.editor.Select(static_cast<std::size_t>(start), to);
    }
    ShowMemoChange(memo, false);
}

std::size_t LineOfRequest(const MemoState& memo, WPARAM pos) {
    const MemoLayout& layout = memo.editor.Layout();
    if (static_cast<int>(pos) < 0) return layout.LineOf(memo.editor.SelectionStart());
    return layout.LineOf(std::min<std::size_t>(pos, layout.Size()));
}

void OnFocus(MemoState& memo, bool focused) {
    memo.focused = focused;
    if (focused) {
        CreateCaret(memo.window, nullptr, 1, memo.lineHeight);
        PlaceMemoCaret(memo);
        ShowCaret(memo.window);
    } else {
        memo.pendingLead = 0;
        DestroyCaret();
    }
    // The selection shows only while the box has the focus.
    InvalidateRect(memo.window, nullptr, FALSE);
    NotifyMemoParent(memo, focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

LRESULT OnMessage(MemoState& memo, UINT message, WPARAM wParam, LPARAM lParam) {
    const MemoLayout& layout = memo.editor.Layout();
    switch (message) {
        case WM_CREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            UseMemoFont(memo, nullptr);
            ShowNewText(memo, create->lpszName ? create->lpszName : "");
            return 0;
        }
        case WM_SIZE:
            RefitMemo(memo);
            return 0;
        case WM_SETFONT:
            UseMemoFont(memo, reinterpret_cast<HFONT>(wParam));
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(memo.font);
        case WM_SETTEXT:
            ShowNewText(memo, lParam ? reinterpret_cast<const char*>(lParam) : "");
            return TRUE;
        case WM_GETTEXT:
            return CopyText(memo, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(layout.Size());
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(memo.window, &paint);
            PaintMemo(memo, dc);
            EndPaint(memo.window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintMemo(memo, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            OnFocus(memo, message == WM_SETFOCUS);
            return 0;
        case WM_GETDLGCODE:
            // Read-only, Enter and Esc are the dialog's, as a read-only edit
            // box leaves them.
            if (MemoReadOnly(memo)) return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
            return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            OnMemoKeyDown(memo, wParam);
            return 0;
        case WM_CHAR:
            OnMemoChar(memo, wParam);
            return 0;
        case WM_VSCROLL:
            OnMemoScrollBar(memo, wParam);
            return 0;
        case WM_MOUSEWHEEL:
            OnMemoWheel(memo, wParam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
        case WM_CAPTURECHANGED:
        case WM_TIMER:
            OnMemoMouse(memo, message, wParam, lParam);
            return 0;
        case WM_CONTEXTMENU:
            ShowMemoMenu(memo, lParam);
            return 0;
        case WM_IME_STARTCOMPOSITION:
            PlaceMemoComposition(memo);
            break;
        case WM_ENABLE:
            InvalidateRect(memo.window, nullptr, FALSE);
            return 0;
        case WM_COPY:
            CopyMemoSelection(memo);
            return 0;
        case WM_CUT:
            CopyMemoSelection(memo);
            [[fallthrough]];
        case WM_CLEAR:
            if (MemoReadOnly(memo)) return 0;
            memo.editor.ReplaceSelection({});
            AfterMemoEdit(memo);
            return 0;
        case WM_PASTE:
            PasteIntoMemo(memo);
            return 0;
        case WM_UNDO:
        case EM_UNDO:
            if (MemoReadOnly(memo) || !memo.editor.Undo()) return FALSE;
            AfterMemoEdit(memo);
            return TRUE;
        case EM_CANUNDO:
            return memo.editor.CanUndo();
        case EM_EMPTYUNDOBUFFER:
            memo.editor.ForgetUndo();
            return 0;
        case EM_GETSEL:
            return Selection(memo, wParam, lParam);
        case EM_SETSEL:
            Select(memo, wParam, lParam);
            return 0;
        case EM_REPLACESEL:
            memo.editor.ReplaceSelection(lParam ? reinterpret_cast<const char*>(lParam) : "",
                                         wParam != 0);
            AfterMemoEdit(memo);
            return 0;
        case EM_SCROLLCARET:
            ShowMemoChange(memo, true);
            return TRUE;
        case EM_GETFIRSTVISIBLELINE:
            return static_cast<LRESULT>(memo.top);
        case EM_LINESCROLL: {
            const long top = static_cast<long>(memo.top) + static_cast<long>(lParam);
            ScrollMemoTo(memo, static_cast<std::size_t>(std::max(0L, top)));
            return TRUE;
        }
        case EM_GETLINECOUNT:
            return static_cast<LRESULT>(layout.LineCount());
        case EM_LINEINDEX: {
            const std::size_t line =
                static_cast<int>(wParam) < 0
                    ? layout.LineOf(memo.editor.Caret(), memo.editor.AfterWrap())
                    : static_cast<std::size_t>(wParam);
            return line < layout.LineCount() ? static_cast<LRESULT>(layout.Line(line).start) : -1;
        }
        case EM_LINEFROMCHAR:
            return static_cast<LRESULT>(LineOfRequest(memo, wParam));
        case EM_LINELENGTH:
            return static_cast<LRESULT>(layout.Line(LineOfRequest(memo, wParam)).length);
        case EM_GETMODIFY:
            return memo.editor.Modified();
        case EM_SETMODIFY:
            memo.editor.SetModified(wParam != 0);
            return 0;
        case EM_SETREADONLY: {
            const LONG_PTR style = GetWindowLongPtrA(memo.window, GWL_STYLE);
            SetWindowLongPtrA(memo.window, GWL_STYLE,
                              wParam ? style | ES_READONLY : style & ~LONG_PTR{ES_READONLY});
            return TRUE;
        }
        case EM_SETLIMITTEXT:
            // The box takes texts of any length.
            return 0;
        default:
            break;
    }
    return DefWindowProcA(memo.window, message, wParam, lParam);
}

LRESULT CALLBACK MemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MemoState* memo = StateOf(window);
    if (message == WM_NCCREATE) {
        memo = new MemoState;
        memo->window = window;
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(memo));
    }
    if (!memo) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, 0, 0);
        if (memo->measuring) DeleteDC(memo->measuring);
        delete memo;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return OnMessage(*memo, message, wParam, lParam);
}

}  // namespace

void NotifyMemoParent(const MemoState& memo, WORD code) {
    const auto id = static_cast<WORD>(GetDlgCtrlID(memo.window));
    SendMessageA(GetParent(memo.window), WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(memo.window));
}

void RegisterMemoClass(HINSTANCE instance) {
    WNDCLASSEXA memoClass = {};
    memoClass.cbSize = sizeof memoClass;
    memoClass.style = CS_DBLCLKS;
    memoClass.lpfnWndProc = MemoProc;
    memoClass.cbWndExtra = sizeof(LONG_PTR);
    memoClass.hInstance = instance;
    memoClass.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    memoClass.lpszClassName = kMemoClassName;
    RegisterClassExA(&memoClass);
}

void SetMemoText(HWND memo, std::string text) {
    if (MemoState* state = StateOf(memo)) ShowNewText(*state, std::move(text));
}

}  // namespace keyloom
