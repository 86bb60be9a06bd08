// The hotkey list's context menu: asked for by a right click on the list,
// Shift+F10 or the menu key, shown where it was asked for (under the
// selected row when asked from the keyboard). Which items it holds, and
// what they do, is the caller's.
#pragma once

#include <windows.h>

#include <vector>

namespace keyloom {

struct ListMenuItem {
    int command;       // not 0
    const char* text;  // code page 936; a tab before the key that does the same
    bool enabled;
};

// WM_CONTEXTMENU of the main window: when it is the list's, remembers the
// place (screen coordinates, or -1, -1 from the keyboard) and gives true.
bool TakeListContextMenu(HWND control, LPARAM point);

// Shows the menu at the remembered place; the chosen command, 0 for none.
int ShowHotkeyListMenu(const std::vector<ListMenuItem>& items);

// What ShowHotkeyListMenu calls with the items and the screen point; by
// default the system's popup menu. Tests choose through it.
using ListMenuFunction = int (*)(const std::vector<ListMenuItem>& items, POINT at);
extern ListMenuFunction gListMenuFunction;

}  // namespace keyloom
