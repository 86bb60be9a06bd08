#include "window/window_focus.h"

#include "window/controls/control_ids.h"
#include "window/edit_panel.h"
#include "window/controls/window_registry.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

HWND gFocusedControl = nullptr;

// control when it can take the keyboard, else the hotkey list.
HWND FocusableOr(HWND window, HWND control) {
    if (!control || !IsWindow(control) || !IsChild(window, control) ||
        IsInHiddenEditPanel(control)) {
        return ControlWindow(kHotkeyList);
    }
    return control;
}

}  // namespace

void OnMainWindowActivate(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) gFocusedControl = focus;
        return;
    }
    if (HIWORD(wParam) != 0) return;  // minimised: no focus to give
    if (HWND control = FocusableOr(window, gFocusedControl)) SetFocus(control);
}

void GiveKeyboardBack(HWND focused) {
    HWND window = MainWindow();
    if (!window || !IsWindowEnabled(window)) return;
    if (focused && IsChild(window, focused)) gFocusedControl = focused;
    if (GetActiveWindow() != window) SetActiveWindow(window);
    HWND control = FocusableOr(window, focused);
    if (control && GetFocus() != control) SetFocus(control);
}

void ForgetFocusedControl() {
    gFocusedControl = nullptr;
}

}  // namespace keyloom
