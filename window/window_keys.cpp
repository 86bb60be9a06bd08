#include "window/window_keys.h"

#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom {

bool HandleWindowKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    HWND window = MainWindow();
    if (!window || !message.hwnd) return false;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    if (message.wParam == VK_ESCAPE) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return true;
    }
    if (message.wParam == VK_TAB) {
        bool backwards = GetKeyState(VK_SHIFT) < 0;
        HWND next = GetNextDlgTabItem(window, GetFocus(), backwards);
        if (next) SetFocus(next);
        return true;
    }
    return false;
}

}  // namespace keyloom
