#include "window/controls/group_box.h"

#include <commctrl.h>

#include "window/controls/event_bindings.h"
#include "window/controls/window_registry.h"

namespace keyloom {

namespace {

constexpr UINT_PTR kForwardSubclassId = 0x4B47;

bool IsForParent(UINT message) {
    return message == WM_COMMAND || message == WM_NOTIFY || message == WM_DRAWITEM ||
           (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

LRESULT CALLBACK ForwardingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
    HWND mainWindow = MainWindow();
    if (IsForParent(message) && mainWindow) {
        return SendMessageA(mainWindow, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, ForwardingProc, kForwardSubclassId);
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void ForwardGroupBoxMessages(HWND groupBox) {
    SetWindowSubclass(groupBox, ForwardingProc, kForwardSubclassId, 0);
}

}  // namespace keyloom
