#include "window/window_ops.h"

#include <vector>

#include "platform/program_text.h"
#include "window/controls/control_table.h"
#include "window/controls/window_registry.h"

namespace keyloom {

namespace {

// The interval of each timer, by its place in the control table.
int gTimerIntervals[kMaxControls] = {};

int TimerIndex(ControlId id) {
    int index = ControlIndexOfId(id);
    if (index < 0 || index >= static_cast<int>(kMaxControls)) return -1;
    return kControls[index].kind == ControlKind::Timer ? index : -1;
}

bool HoldsEnvTextById(ControlId id) {
    const int index = ControlIndexOfId(id);
    return index >= 0 && HoldsEnvText(kControls[index].kind);
}

template <typename Char, typename Length, typename Get>
std::basic_string<Char> WindowText(HWND control, Length length, Get get) {
    const int size = length(control);
    if (size <= 0) return {};
    std::vector<Char> buffer(static_cast<std::size_t>(size) + 1);
    const int copied = get(control, buffer.data(), size + 1);
    return std::basic_string<Char>(buffer.data(),
                                   copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

}  // namespace

HWND ControlWindow(ControlId id) {
    return ControlWindowAt(ControlIndexOfId(id));
}

int MainWindowWidth() {
    RECT rect;
    if (!GetWindowRect(MainWindow(), &rect)) return 0;
    return rect.right - rect.left;
}

int MainWindowHeight() {
    RECT rect;
    if (!GetWindowRect(MainWindow(), &rect)) return 0;
    return rect.bottom - rect.top;
}

void SetMainWindowWidth(int width) {
    SetWindowPos(MainWindow(), nullptr, 0, 0, width, MainWindowHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetMainWindowHeight(int height) {
    SetWindowPos(MainWindow(), nullptr, 0, 0, MainWindowWidth(), height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string ControlText(ControlId id) {
    HWND control = ControlWindow(id);
    if (!control) return {};
    if (HoldsEnvTextById(id)) {
        return WindowText<char>(control, GetWindowTextLengthA, GetWindowTextA);
    }
    return ProgramTextFromWide(WindowText<wchar_t>(control, GetWindowTextLengthW, GetWindowTextW));
}

void SetControlText(ControlId id, std::string_view text) {
    HWND control = ControlWindow(id);
    if (!control) return;
    if (HoldsEnvTextById(id)) {
        SetWindowTextA(control, std::string(text).c_str());
    } else {
        SetWindowTextW(control, WideProgramText(text).c_str());
    }
}

void FocusControl(ControlId id) {
    HWND control = ControlWindow(id);
    if (control) SetFocus(control);
}

int ControlLeft(ControlId id) {
    HWND control = ControlWindow(id);
    if (!control) return 0;
    RECT rect;
    GetWindowRect(control, &rect);
    // A group box's client area is its window rectangle, so mapping to the
    // parent gives the left edge in its client area either way.
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect.left;
}

void SetControlLeft(ControlId id, int left) {
    HWND control = ControlWindow(id);
    if (!control) return;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(control, nullptr, left, rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TimerInterval(ControlId timer) {
    int index = TimerIndex(timer);
    return index < 0 ? 0 : gTimerIntervals[index];
}

void SetTimerInterval(ControlId timer, int milliseconds) {
    int index = TimerIndex(timer);
    if (index < 0) return;
    if (milliseconds < 0) milliseconds = 0;
    if (milliseconds == gTimerIntervals[index]) return;
    HWND window = MainWindow();
    UINT_PTR id = static_cast<UINT_PTR>(kControls[index].id);
    if (window) KillTimer(window, id);
    if (window && milliseconds > 0) SetTimer(window, id, static_cast<UINT>(milliseconds), nullptr);
    gTimerIntervals[index] = window ? milliseconds : 0;
}

void ForgetTimerIntervals() {
    for (int& interval : gTimerIntervals) interval = 0;
}

}  // namespace keyloom
