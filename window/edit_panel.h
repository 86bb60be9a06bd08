// The edit panel as the window holds it: the two group boxes on the right
// and the controls inside them. Only the window's width shows or hides it;
// its controls stay visible windows, lying outside the narrowed window.
#pragma once

#include <windows.h>

namespace keyloom {

// True while the window is wide enough to show the panel.
bool IsEditPanelShown();

// True for a panel group box, or a control inside one, while the window's
// width hides the panel: no key press may reach such a control.
bool IsInHiddenEditPanel(HWND control);

}  // namespace keyloom
