// The keyboard focus across the window's activation: whatever takes the
// activation away (another program, a message box), the control that had
// the focus gets it back; when none had it, as at the first showing, the
// hotkey list takes it, so arrows and typing work at once.
#pragma once

#include <windows.h>

namespace keyloom {

// WM_ACTIVATE of the main window; it leaves nothing to DefWindowProc,
// which would give the focus to the window itself.
void OnMainWindowActivate(HWND window, WPARAM wParam);

// After a box modal to the program: a box without an owner leaves no
// window of the program active when it goes, so the next key would reach
// nothing. The main window is made active again and focused (a control of
// it) has the focus again; the hotkey list when it is gone or lies in the
// hidden panel.
void GiveKeyboardBack(HWND focused);

// The window is gone: nothing is remembered any more.
void ForgetFocusedControl();

}  // namespace keyloom
