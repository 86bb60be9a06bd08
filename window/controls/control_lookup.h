// Finding the main window's controls by the kind word their names begin
// with, and the kind each word stands for.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "window/controls/control_table.h"

namespace keyloom {

// The existing child controls of window whose names begin with prefix
// (byte-wise; an empty prefix matches all), in table order.
std::vector<HWND> FindControlsByNamePrefix(HWND window, std::string_view prefix);

// What kind of control a window is, from its class and style; Unknown
// when it is none of them.
ControlKind ControlKindOfWindow(HWND control);

// The kind every control named with this prefix must be; false when the
// prefix is not one of the five kind words.
bool KindOfNamePrefix(std::string_view prefix, ControlKind* kind);

}  // namespace keyloom
