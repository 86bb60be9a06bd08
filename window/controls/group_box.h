// Group boxes as parents: what their controls tell them goes on to the
// main window, where the handlers are.
#pragma once

#include <windows.h>

namespace keyloom {

void ForwardGroupBoxMessages(HWND groupBox);

}  // namespace keyloom
