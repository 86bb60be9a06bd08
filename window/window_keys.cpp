#include "window/window_keys.h"

#include "window/control_names.h"
#include "window/control_table.h"
#include "window/edit_panel.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

// The control that Tab moves to, passing over those of the hidden panel;
// null when there is none.
HWND NextTabStop(HWND window, HWND from, bool backwards) {
    HWND next = GetNextDlgTabItem(window, from, backwards);
    for (std::size_t i = 0; i < kControlCount && IsInHiddenEditPanel(next); ++i) {
        next = GetNextDlgTabItem(window, next, backwards);
    }
    return IsInHiddenEditPanel(next) ? nullptr : next;
}

}  // namespace

bool HandleWindowKey(const MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND window = MainWindow();
    if (!window || !message.hwnd) return false;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    const bool keyDown = message.message == WM_KEYDOWN;
    if (keyDown && message.wParam == VK_ESCAPE) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return true;
    }
    // A hidden panel's control gets no key, whatever put the focus there;
    // the list takes the focus so the next key does something visible.
    if (IsInHiddenEditPanel(message.hwnd)) {
        FocusControl(kHotkeyList);
        return true;
    }
    if (keyDown && message.wParam == VK_TAB) {
        bool backwards = GetKeyState(VK_SHIFT) < 0;
        HWND next = NextTabStop(window, GetFocus(), backwards);
        if (next) SetFocus(next);
        return true;
    }
    return false;
}

}  // namespace keyloom
