#include "window/controls/window_registry.h"

namespace keyloom {

namespace {

HWND gMainWindow = nullptr;
HWND gControlWindows[kMaxControls] = {};

}  // namespace

HWND MainWindow() {
    return gMainWindow;
}

HWND ControlWindowAt(int index) {
    if (index < 0 || index >= static_cast<int>(kMaxControls)) return nullptr;
    return gControlWindows[index];
}

void SetMainWindowHandle(HWND window) {
    gMainWindow = window;
}

HWND* ControlWindowSlots() {
    return gControlWindows;
}

void ForgetWindowHandles() {
    gMainWindow = nullptr;
    for (HWND& control : gControlWindows) control = nullptr;
}

}  // namespace keyloom
