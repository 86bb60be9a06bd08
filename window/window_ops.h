// Operations on the main window and its controls, as the handlers use them.
// Controls are addressed by their fixed ids (control_names.h).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "window/controls/control_ids.h"

namespace keyloom {

// The window of a control; null for timers and unknown ids.
HWND ControlWindow(ControlId id);

// The main window's outer size in pixels (ScaledToWindow gives the pixels of
// a 96-DPI length). Setting one keeps the position, the other size and the
// stacking order, and does not activate the window.
int MainWindowWidth();
int MainWindowHeight();
void SetMainWindowWidth(int width);
void SetMainWindowHeight(int height);

// Edit box text or caption of a label, button or group box. An edit box
// holds the env file's bytes as they are; a caption is one of the
// program's texts, shown as wide text and read back as code page 936.
std::string ControlText(ControlId id);
void SetControlText(ControlId id, std::string_view text);

void FocusControl(ControlId id);

// Left edge in pixels relative to the parent's client area; top and size
// unchanged.
int ControlLeft(ControlId id);
void SetControlLeft(ControlId id, int left);

// Timer interval in milliseconds; 0 means stopped. A negative value counts
// as 0; setting the current value changes nothing; otherwise a running
// timer is stopped and, for a value above 0, started again.
int TimerInterval(ControlId timer);
void SetTimerInterval(ControlId timer, int milliseconds);

// The timers die with the window; their recorded intervals go with it.
void ForgetTimerIntervals();

}  // namespace keyloom
