// Creating the controls of the table inside the main window.
#pragma once

#include <windows.h>

namespace keyloom {

// Creates every windowed control of kControls, group boxes' contents
// inside their group box, into windows[] (indexed like kControls; timers
// stay null). False when one cannot be created.
bool CreateControls(HWND mainWindow, HWND* windows);

// The window class a control kind is made of.
const char* ControlClassName(int kind);

}  // namespace keyloom
