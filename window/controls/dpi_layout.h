// The main window laid out for the DPI of its screen. Every length of the
// control table, and every size and place the handlers give the window,
// is a 96-DPI value; at the window's DPI each is scaled once, so at 96 DPI
// every pixel stays where it is.
#pragma once

#include <windows.h>

#include "window/controls/control_table.h"
#include "window/controls/fonts.h"

namespace keyloom {

// The DPI the window is laid out for: its own from its creation on, the
// new one after each WM_DPICHANGED; the system's before it exists.
unsigned MainWindowDpi();

// A 96-DPI length at the window's DPI.
int ScaledToWindow(int value);

// A control's place and size in its parent at dpi.
RECT ScaledControlRect(const ControlSpec& spec, unsigned dpi);

// The fonts of the window's controls at its DPI.
const WindowFonts& MainWindowFonts();

// The window has just been created: its DPI is read and its fonts made.
void BeginMainWindowLayout(HWND window);

// WM_DPICHANGED: the window moves to the rectangle Windows suggests and
// takes the sizes of its state at the new DPI, and every control its
// place, font and pointer. The link keeps its place in the slide.
void OnMainWindowDpiChanged(HWND window, unsigned dpi, const RECT& suggested);

// The window is gone: its fonts are deleted.
void EndMainWindowLayout();

}  // namespace keyloom
