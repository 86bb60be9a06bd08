// The keyboard after a box modal to the application: a box without an
// owner leaves no window of the program active when it goes, so the next
// key would reach nothing. The main window is made active again and the
// control that had the focus gets it back.
#pragma once

#include <windows.h>

namespace keyloom {

// The main window active, and focused (a control of it) focused again, or
// the hotkey list when it is gone or hidden in the narrowed panel.
void RestoreFocusAfterBox(HWND focused);

// Runs show, which shows one box and returns its answer, and restores the
// activation and the focus that were there before it.
template <typename Show>
auto WithFocusKept(Show&& show) {
    HWND focused = GetFocus();
    auto answer = show();
    RestoreFocusAfterBox(focused);
    return answer;
}

}  // namespace keyloom
