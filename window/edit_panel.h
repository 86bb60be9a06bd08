// The edit panel as the window shows it: the two group boxes on the right
// and the controls inside them. Only the window's width shows or hides it;
// its controls stay visible windows, lying outside the narrowed window.
// Whether it is shown is the editing session's to say.
#pragma once

#include <windows.h>

namespace keyloom {

// Outer widths of the window at 96 DPI: 610 shows the panel, 402 hides it,
// and any width from 606 on counts as shown. At another DPI each is scaled.
inline constexpr int kPanelShownWidth = 610;
inline constexpr int kPanelHiddenWidth = 402;
inline constexpr int kPanelShownFrom = 606;

// The panel rule on a window width in pixels at dpi.
bool IsPanelShownAt(int windowWidth, unsigned dpi);

// True while the window is wide enough to show the panel.
bool IsEditPanelShown();

// Sets the window's width that shows or hides the panel (the editing
// session decides which).
void ShowEditPanel(bool shown);

// True for a panel group box, or a control inside one, while the window's
// width hides the panel: no key press may reach such a control.
bool IsInHiddenEditPanel(HWND control);

}  // namespace keyloom
