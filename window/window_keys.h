// Keys the window handles before any control sees them.
#pragma once

#include <windows.h>

namespace keyloom {

// While a key is being captured (key_capture.h), every key is the
// capture's, and nothing below applies. Esc in the main window or any of
// its controls asks the window to close (through WM_CLOSE, so a running
// save finishes first). Tab and Shift+Tab move the focus in the order of
// the screen (the list, 添加, 修改, 删除, env数据, then the panel's key box,
// 按键, command box, the checked one of alias and funckey, 确认 and content
// box), never into the hidden edit panel, whose controls get no key at all.
// The arrows on alias or funckey choose the other one; Alt+K does what a
// click on 按键 does. Delete on the list does what 删除 does, Enter and F2
// what 修改 does, Enter in the key and command boxes what 确认 does.
// Ctrl+Z takes back the last change and Ctrl+Y (or Ctrl+Shift+Z) does it
// again, but in the key and command boxes, where they work on the typing.
// True when the message was used up.
bool HandleWindowKey(const MSG& message);

}  // namespace keyloom
