#include "tests/harness/named_controls.h"

#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom {

ControlId IdOfName(std::string_view name) {
    const int index = ControlIndex(name);
    return index < 0 ? static_cast<ControlId>(0) : kControls[index].id;
}

HWND ControlWindow(std::string_view name) {
    return ControlWindow(IdOfName(name));
}
std::string ControlText(std::string_view name) {
    return ControlText(IdOfName(name));
}
void SetControlText(std::string_view name, std::string_view text) {
    SetControlText(IdOfName(name), text);
}
void FocusControl(std::string_view name) {
    FocusControl(IdOfName(name));
}
int ControlLeft(std::string_view name) {
    return ControlLeft(IdOfName(name));
}
void SetControlLeft(std::string_view name, int left) {
    SetControlLeft(IdOfName(name), left);
}
int TimerInterval(std::string_view timerName) {
    return TimerInterval(IdOfName(timerName));
}
void SetTimerInterval(std::string_view timerName, int milliseconds) {
    SetTimerInterval(IdOfName(timerName), milliseconds);
}
COLORREF CaptionTextColour(std::string_view name) {
    return CaptionTextColour(IdOfName(name));
}
bool RaiseControlEvent(std::string_view name, ControlEvent event) {
    return name.empty() ? RaiseWindowEvent(event) : RaiseControlEvent(IdOfName(name), event);
}

}  // namespace keyloom
