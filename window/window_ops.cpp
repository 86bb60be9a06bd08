#include "window/window_ops.h"

#include <vector>

#include "platform/program_text.h"
#include "window/control_table.h"
#include "window/main_window.h"
#include "window/window_keys.h"

namespace keyloom {

namespace {

constexpr std::size_t kMaxTimers = 32;
int gTimerIntervals[kMaxTimers] = {};

int TimerIndex(std::string_view name) {
    int index = ControlIndex(name);
    if (index < 0 || index >= static_cast<int>(kMaxTimers)) return -1;
    return kControls[index].kind == ControlKind::Timer ? index : -1;
}

bool HoldsEnvTextByName(std::string_view name) {
    const int index = ControlIndex(name);
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

HWND ControlWindow(std::string_view name) {
    return ControlWindowAt(ControlIndex(name));
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

std::string ControlText(std::string_view name) {
    HWND control = ControlWindow(name);
    if (!control) return {};
    if (HoldsEnvTextByName(name)) {
        return WindowText<char>(control, GetWindowTextLengthA, GetWindowTextA);
    }
    return ProgramTextFromWide(WindowText<wchar_t>(control, GetWindowTextLengthW, GetWindowTextW));
}

void SetControlText(std::string_view name, std::string_view text) {
    HWND control = ControlWindow(name);
    if (!control) return;
    if (HoldsEnvTextByName(name)) {
        SetWindowTextA(control, std::string(text).c_str());
    } else {
        SetWindowTextW(control, WideProgramText(text).c_str());
    }
}

void FocusControl(std::string_view name) {
    HWND control = ControlWindow(name);
    if (control) SetFocus(control);
}

int ControlLeft(std::string_view name) {
    HWND control = ControlWindow(name);
    if (!control) return 0;
    RECT rect;
    GetWindowRect(control, &rect);
    // A group box's client area is its window rectangle, so mapping to the
    // parent gives the left edge in its client area either way.
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect.left;
}

void SetControlLeft(std::string_view name, int left) {
    HWND control = ControlWindow(name);
    if (!control) return;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(control, nullptr, left, rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TimerInterval(std::string_view timerName) {
    int index = TimerIndex(timerName);
    return index < 0 ? 0 : gTimerIntervals[index];
}

void SetTimerInterval(std::string_view timerName, int milliseconds) {
    int index = TimerIndex(timerName);
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

void ProcessPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave it for the message loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (HandleWindowKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace keyloom
