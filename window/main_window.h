// The main window: its class, its creation from the control table, and
// the raising of its events.
#pragma once

#include <windows.h>

#include <string_view>

#include "window/controls/control_table.h"
#include "window/controls/event_bindings.h"
#include "window/controls/window_registry.h"

namespace keyloom {

inline constexpr const char* kMainWindowClassName = "KeyloomMainWindow";
inline constexpr const char* kMainWindowTitle = "Allegro Keyloom";
// The size the window is made at, before the created handler narrows it.
inline constexpr int kInitialWidth = 613;
inline constexpr int kInitialHeight = 328;

// Registers the window classes and initialises the common controls and
// COM (for the logo decoder). Safe to call more than once.
void PrepareMainWindowLayout();

// Creates the window, hidden, centred on the full screen at its described
// size, with all its controls; null when it cannot be created. Its events
// and its controls' events go to the handlers that bindings names.
HWND CreateMainWindow(BindingTable bindings);

// Raises the created event: runs its bound handler.
void RaiseMainWindowCreated();

// The text colour of a label or group box caption by its control's id: the
// count 标签2 red, every other black.
COLORREF CaptionTextColour(int id);

}  // namespace keyloom
