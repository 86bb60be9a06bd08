// AppCursor: the program's one mouse pointer, made from the carried
// cursor file.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace keyloom {

// The size of the carried image: the pointer's size at 96 DPI.
inline constexpr int kAppCursorSize = 32;

// The pointer for the main window's DPI.
HCURSOR AppCursor();

// The pointer at dpi: made on first use and kept for the life of the
// process; the standard arrow when the carried file is missing or unusable.
HCURSOR AppCursorForDpi(unsigned dpi);

// The bits CreateIconFromResourceEx takes for the first image of a cursor
// file: its hot spot (two 16-bit values) followed by the image's DIB.
// Empty when the file is not a well-formed cursor file.
std::string CursorResourceBits(std::string_view cursorFile);

}  // namespace keyloom
