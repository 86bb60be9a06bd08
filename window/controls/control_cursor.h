// A mouse pointer of its own for one control, whatever its class.
#pragma once

#include <windows.h>

namespace keyloom {

// The control shows cursor over its client area from now on.
void SetControlCursor(HWND control, HCURSOR cursor);

// The pointer given with SetControlCursor, or null.
HCURSOR ControlCursor(HWND control);

}  // namespace keyloom
