// The window's operations by a control's Chinese name, for tests: the
// program addresses its controls by id, tests describe them as the window
// is described, by name. An unknown name addresses no control.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "window/controls/control_table.h"

namespace keyloom {

ControlId IdOfName(std::string_view name);

HWND ControlWindow(std::string_view name);
std::string ControlText(std::string_view name);
void SetControlText(std::string_view name, std::string_view text);
void FocusControl(std::string_view name);
int ControlLeft(std::string_view name);
void SetControlLeft(std::string_view name, int left);
int TimerInterval(std::string_view timerName);
void SetTimerInterval(std::string_view timerName, int milliseconds);
COLORREF CaptionTextColour(std::string_view name);
// "" names the window itself.
bool RaiseControlEvent(std::string_view name, ControlEvent event);

}  // namespace keyloom
