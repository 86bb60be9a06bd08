// The edit panel as the window holds it: the two group boxes on the right
// and the controls inside them. Only the window's width shows or hides it;
// its controls stay visible windows, lying outside the narrowed window.
#pragma once

#include <windows.h>

namespace keyloom {

// Outer widths of the window at 96 DPI: 474 shows the panel, 266 hides it,
// and any width from 470 on counts as shown. At another DPI each is scaled.
inline constexpr int kPanelShownWidth = 474;
inline constexpr int kPanelHiddenWidth = 266;
inline constexpr int kPanelShownFrom = 470;

// The panel rule on a window width in pixels at dpi.
bool IsPanelShownAt(int windowWidth, unsigned dpi);

// The width a toggle sets: shown when it was hidden, else hidden. The test
// is against 470, not against the 474 it sets.
int ToggledPanelWidth(int windowWidth, unsigned dpi);

// True while the window is wide enough to show the panel.
bool IsEditPanelShown();

// Sets the window's width that hides the panel.
void HideEditPanel();

// True for a panel group box, or a control inside one, while the window's
// width hides the panel: no key press may reach such a control.
bool IsInHiddenEditPanel(HWND control);

}  // namespace keyloom
