// Keys the window handles before any control sees them.
#pragma once

#include <windows.h>

namespace keyloom {

// Esc in the main window or any of its controls asks the window to close
// (through WM_CLOSE, so a running save finishes first); Tab moves the
// focus, never into the hidden edit panel, whose controls get no key at
// all. True when the message was used up. Both message loops call it.
bool HandleWindowKey(const MSG& message);

}  // namespace keyloom
