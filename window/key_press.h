// A key press as the keyboard gives it, for naming: the key, the modifiers
// held, the character the current keyboard layout types with it, and
// whether it lies on the numeric keypad.
#pragma once

#include <windows.h>

#include "core/allegro_keys.h"

namespace keyloom {

// The press of a WM_KEYDOWN or WM_SYSKEYDOWN (its wParam and lParam), read
// while that message is being handled: the modifiers are the thread's key
// state then.
KeyPress ReadKeyPress(WPARAM virtualKey, LPARAM lParam);

// The ASCII character the key types in the current layout with Shift held
// or not, and neither Ctrl nor Alt; 0 when none (a dead key included).
char TypedCharacter(UINT virtualKey, UINT scanCode, bool shift);

// Whether the key lies on the numeric keypad: its digits and operators,
// its Enter (an extended Enter), and with Num Lock off its arrows, Home,
// End, Page Up, Page Down, Insert, Delete and 5 (the same keys without the
// extended flag that the keys of their own block have).
bool IsNumericKeypadKey(UINT virtualKey, bool extended);

}  // namespace keyloom
