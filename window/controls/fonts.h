// The fonts of the window's controls at one DPI: the system's default GUI
// font for most of them, and two of our own.
#pragma once

#include <windows.h>

#include "window/controls/control_table.h"

namespace keyloom {

struct WindowFonts {
    HFONT gui = nullptr;   // the default GUI font
    HFONT memo = nullptr;  // 编辑框1: 12 pixels at 96 DPI, weight 400, GB2312, the system's face
    HFONT link = nullptr;  // 超级链接框1: 10 pixels at 96 DPI, otherwise as the memo font
};

// The fonts at dpi. At the system's DPI the GUI font is the stock object
// itself; at another it is made from the stock one, scaled to dpi.
WindowFonts MakeWindowFonts(unsigned dpi);

// Deletes the fonts made (never the stock object) and empties fonts.
void DeleteWindowFonts(WindowFonts& fonts);

// The font a control of the table shows its text in.
HFONT ControlFont(const WindowFonts& fonts, const ControlSpec& spec);

}  // namespace keyloom
