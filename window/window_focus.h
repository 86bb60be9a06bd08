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

// The window is gone: nothing is remembered any more.
void ForgetFocusedControl();

}  // namespace keyloom
