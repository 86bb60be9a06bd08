// Operations on the main window and its named controls, as the handlers use
// them. Controls are addressed by their names (code page 936 bytes).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace keyloom {

// The window of a named control; null for timers and unknown names.
HWND ControlWindow(std::string_view name);

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
std::string ControlText(std::string_view name);
void SetControlText(std::string_view name, std::string_view text);

void FocusControl(std::string_view name);

// Left edge in pixels relative to the parent's client area; top and size
// unchanged.
int ControlLeft(std::string_view name);
void SetControlLeft(std::string_view name, int left);

// Timer interval in milliseconds; 0 means stopped. A negative value counts
// as 0; setting the current value changes nothing; otherwise a running
// timer is stopped and, for a value above 0, started again.
int TimerInterval(std::string_view timerName);
void SetTimerInterval(std::string_view timerName, int milliseconds);

// The timers die with the window; their recorded intervals go with it.
void ForgetTimerIntervals();

// Dispatches every message already waiting in this thread's queue and
// returns when it is empty (or a quit message is met); never waits.
void ProcessPendingMessages();

}  // namespace keyloom
