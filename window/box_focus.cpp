#include "window/box_focus.h"

#include "window/controls/control_names.h"
#include "window/edit_panel.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom {

void RestoreFocusAfterBox(HWND focused) {
    HWND window = MainWindow();
    if (!window || !IsWindowEnabled(window)) return;
    if (GetActiveWindow() != window) SetActiveWindow(window);
    HWND control = focused;
    if (!control || !IsWindow(control) || !IsChild(window, control) ||
        IsInHiddenEditPanel(control)) {
        control = ControlWindow(kHotkeyList);
    }
    if (control && GetFocus() != control) SetFocus(control);
}

}  // namespace keyloom
