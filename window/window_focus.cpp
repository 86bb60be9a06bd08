#include "window/window_focus.h"

#include "window/controls/control_names.h"
#include "window/edit_panel.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

HWND gFocusedControl = nullptr;

}  // namespace

void OnMainWindowActivate(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) gFocusedControl = focus;
        return;
    }
    if (HIWORD(wParam) != 0) return;  // minimised: no focus to give
    HWND control = gFocusedControl;
    if (!control || !IsWindow(control) || !IsChild(window, control) ||
        IsInHiddenEditPanel(control)) {
        control = ControlWindow(kHotkeyList);
    }
    if (control) SetFocus(control);
}

void ForgetFocusedControl() {
    gFocusedControl = nullptr;
}

}  // namespace keyloom
