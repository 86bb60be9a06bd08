#include "ui/control_cursor.h"

#include <commctrl.h>

namespace keyloom {

namespace {

constexpr UINT_PTR kCursorSubclassId = 0x4B43;  // one subclass per control
// The pointer is kept as a property, so it can be read back.
constexpr const char* kCursorProperty = "KeyloomCursor";

LRESULT CALLBACK CursorSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR) {
    // Only the client area: scroll bars and header dividers keep their own.
    if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
        SetCursor(static_cast<HCURSOR>(GetPropA(window, kCursorProperty)));
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kCursorProperty);
        RemoveWindowSubclass(window, CursorSubclassProc, kCursorSubclassId);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void SetControlCursor(HWND control, HCURSOR cursor) {
    SetPropA(control, kCursorProperty, cursor);
    SetWindowSubclass(control, CursorSubclassProc, kCursorSubclassId, 0);
}

HCURSOR ControlCursor(HWND control) {
    return static_cast<HCURSOR>(GetPropA(control, kCursorProperty));
}

}  // namespace keyloom
