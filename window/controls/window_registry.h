// The windows of this run: the main window and its controls' windows by
// their place in the control table. Set when the window is made, forgotten
// when it is destroyed, read everywhere on the window's thread.
#pragma once

#include <windows.h>

#include <cstddef>

namespace keyloom {

inline constexpr std::size_t kMaxControls = 32;

// The main window; null before it is made and after it is destroyed.
HWND MainWindow();
// The window of control index i of kControls; null for timers and before
// creation.
HWND ControlWindowAt(int index);

void SetMainWindowHandle(HWND window);
// Where the factory puts the controls' windows (kMaxControls of them).
HWND* ControlWindowSlots();
void ForgetWindowHandles();

}  // namespace keyloom
