// Screen DPI. Keyloom's geometry is given at 96 DPI (100 %); at another DPI
// each length is the 96-DPI value scaled once, so at 96 every pixel stays
// where it is.
#pragma once

#include <windows.h>

namespace keyloom {

inline constexpr unsigned kDefaultDpi = 96;

// The DPI a window is drawn at: GetDpiForWindow where Windows has it
// (Windows 10 1607 on, looked up at run time), else the screen's
// LOGPIXELSY, the one DPI of the whole system on older Windows.
unsigned WindowDpi(HWND window);

// The system DPI: the one the stock objects (the default GUI font) and
// GetSystemMetrics are made for.
unsigned SystemDpi();

// A 96-DPI length at dpi, rounded to the nearest pixel.
int ScaledForDpi(int value, unsigned dpi);

// A length of pixels at one DPI at another: taken back to its 96-DPI
// value first, so that however often the DPI changes it is never more
// than one rounding away from that value.
int RescaledForDpi(int pixels, unsigned fromDpi, unsigned toDpi);

}  // namespace keyloom
