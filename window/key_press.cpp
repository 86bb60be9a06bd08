#include "window/key_press.h"

namespace keyloom {

namespace {

// Bit 24 of a key message's lParam: an extended key.
constexpr LPARAM kExtendedKeyFlag = LPARAM(1) << 24;
// Bit 29 of a WM_SYSKEYDOWN's lParam: Alt is down.
constexpr LPARAM kAltDownFlag = LPARAM(1) << 29;

bool IsDown(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

}  // namespace

char TypedCharacter(UINT virtualKey, UINT scanCode, bool shift) {
    BYTE state[256] = {};
    if (shift) state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
    const HKL layout = GetKeyboardLayout(0);
    wchar_t typed[8] = {};
    const int count = ToUnicodeEx(virtualKey, scanCode, state, typed, 8, 0, layout);
    if (count < 0) {
        // A dead key: the layout keeps it for the next key; typing it
        // once more clears it, so the key box's own typing is not changed.
        ToUnicodeEx(virtualKey, scanCode, state, typed, 8, 0, layout);
        return 0;
    }
    if (count != 1 || typed[0] < 0x20 || typed[0] >= 0x7F) return 0;
    return static_cast<char>(typed[0]);
}

bool IsNumericKeypadKey(UINT virtualKey, bool extended) {
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_DIVIDE) return true;
    switch (virtualKey) {
        case VK_RETURN:
            return extended;
        case VK_CLEAR:
            return true;
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_INSERT:
        case VK_DELETE:
            return !extended;
    }
    return false;
}

KeyPress ReadKeyPress(WPARAM virtualKey, LPARAM lParam) {
    const UINT key = static_cast<UINT>(virtualKey);
    const UINT scanCode = (static_cast<UINT>(lParam) >> 16) & 0xFF;
    const bool extended = (lParam & kExtendedKeyFlag) != 0;
    KeyPress press;
    press.virtualKey = static_cast<int>(key);
    press.ctrl = IsDown(VK_CONTROL);
    press.alt = IsDown(VK_MENU) || (lParam & kAltDownFlag) != 0;
    press.shift = IsDown(VK_SHIFT);
    press.character = TypedCharacter(key, scanCode, press.shift);
    press.numericKeypad = IsNumericKeypadKey(key, extended);
    return press;
}

}  // namespace keyloom
