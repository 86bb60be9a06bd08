// The two fonts of our own; every other control uses the default GUI font.
#pragma once

#include <windows.h>

namespace keyloom {

// 编辑框1: 12 pixels, weight 400, GB2312, the system's face for it.
HFONT MemoFont();
// 超级链接框1: 10 pixels, otherwise as the memo font.
HFONT LinkFont();
HFONT DefaultGuiFont();

// Deletes the fonts made so far (when the window is gone).
void ReleaseFonts();

}  // namespace keyloom
