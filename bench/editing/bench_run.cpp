#include "bench/editing/bench_run.h"

#include <algorithm>
#include <cstdio>

#include "handlers/editing_state.h"
#include "window/controls/control_ids.h"
#include "window/controls/event_bindings.h"
#include "window/window_keys.h"
#include "window/message_pump.h"
#include "window/window_ops.h"
#include "window/window_tasks.h"

namespace keyloom::bench {

namespace {

struct TickRecord {
    bool watching = false;
    int ticks = 0;
    double last = 0;
    double longestGap = 0;
};
TickRecord gTicks;
UINT_PTR gTimer = 0;

// The input queued behind a timed click, and when it came through (it may
// be handled by a loop inside the click, as a save's is).
struct Probe {
    HWND target = nullptr;
    double start = 0;
    double answered = -1;
};
Probe gProbe;

LRESULT CALLBACK WatchForProbe(int code, WPARAM removed, LPARAM parameter) {
    const auto* message = reinterpret_cast<const MSG*>(parameter);
    if (code == HC_ACTION && removed == PM_REMOVE && gProbe.answered < 0 &&
        message->hwnd == gProbe.target && message->message == WM_KEYDOWN &&
        message->wParam == VK_SHIFT) {
        gProbe.answered = Now() - gProbe.start;
    }
    return CallNextHookEx(nullptr, code, removed, parameter);
}

void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
    if (!gTicks.watching) return;
    const double now = Now();
    gTicks.longestGap = std::max(gTicks.longestGap, now - gTicks.last);
    gTicks.last = now;
    ++gTicks.ticks;
}

// One alias or funckey line of an env of the kind users keep.
std::string HotkeyLine(int i) {
    if (i % 10 == 0)
        return "funckey k" + std::to_string(i) + " zoom in " + std::to_string(i) + "\r\n";
    return "alias K" + std::to_string(i) + " zoom fit; pick 1.0 2.0 " + std::to_string(i) + "\r\n";
}

std::string EnvHead() {
    return "# Allegro user env\r\nsource $TELENV\r\nset autosave_time = 15\r\n\r\n";
}

std::string EnvTail() {
    return "\r\n### User Preferences section\r\n### This section is computer generated.\r\n"
           "set psmpath = . symbols D:/PCB/lib/symbols\r\nset padpath = . D:/PCB/lib/pads\r\n";
}

}  // namespace

double Now() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PrintFigure(const char* what, const std::string& where, double milliseconds) {
    std::printf("%-10s %-26s %9.1f ms\n", what, where.c_str(), milliseconds);
    std::fflush(stdout);
}

void PrintRatio(const char* what, const std::string& where, double measured, double floor,
                double goal) {
    std::printf("%-10s %-26s %9.1f ms, floor %7.1f ms, ratio %.2fx (goal %.1fx)\n", what,
                where.c_str(), measured, floor, floor > 0 ? measured / floor : 0.0, goal);
    std::fflush(stdout);
}

std::vector<HotkeyEntry> MakeRows(int count) {
    static const char* const kModifiers[] = {"", "S", "C", "A"};
    static const char* const kCommands[] = {
        "zoom fit", "zoom in",      "pan left; pan right", "add connect",
        "slide",    "show element", "shape edit boundary", "move; pick 1.0 2.0"};
    std::vector<HotkeyEntry> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        rows.push_back({std::string(kModifiers[i % 4]) + "F" + std::to_string(i % 12 + 1),
                        std::string(kCommands[i % 8]) + " " + std::to_string(i)});
    }
    return rows;
}

std::string EnvOfHotkeys(int hotkeys) {
    std::string env = EnvHead();
    for (int i = 1; i <= hotkeys; ++i) env += HotkeyLine(i);
    return env + EnvTail();
}

std::string EnvOfBytes(std::size_t bytes) {
    std::string env = EnvHead();
    for (int i = 1; env.size() < bytes; ++i) env += HotkeyLine(i);
    return env + EnvTail();
}

std::string EnvWithLongLine(std::size_t lineBytes) {
    std::string line = "# ";
    while (line.size() < lineBytes) line += "D:/PCB/lib/symbols D:/PCB/lib/pads ";
    line.resize(lineBytes);
    std::string env = EnvHead() + line + "\r\n";
    for (int i = 1; i <= 200; ++i) env += HotkeyLine(i);
    return env + EnvTail();
}

namespace {

template <typename Post>
ClickTiming TimeAction(Post post) {
    ProcessPendingMessages();
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, WatchForProbe, nullptr, GetCurrentThreadId());
    gProbe = Probe{ControlWindow(kHotkeyList), Now(), -1};
    ClickTiming timing;
    post();
    // A key that does nothing, as an input the window must answer.
    PostMessageA(gProbe.target, WM_KEYDOWN, VK_SHIFT, 1);
    MSG message;
    for (;;) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            // Answered, and every save the click started done.
            if (gProbe.answered >= 0 && Session().IsIdle()) break;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            continue;
        }
        const double before = Now();
        if (!HandleWindowKey(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        timing.longestTurn = std::max(timing.longestTurn, Now() - before);
    }
    timing.idle = Now() - gProbe.start;
    timing.answered = gProbe.answered;
    UnhookWindowsHookEx(hook);
    return timing;
}

}  // namespace

ClickTiming TimeClick(HWND control) {
    return TimeAction([control] { PostMessageA(control, BM_CLICK, 0, 0); });
}

ClickTiming TimeWindowEvent(int event) {
    return TimeAction([event] {
        PostToWindowThread([event] { RaiseWindowEvent(static_cast<ControlEvent>(event)); });
    });
}

TurnCounter::TurnCounter() {
    gTimer = SetTimer(nullptr, 0, 10, CountTick);
}

TurnCounter::~TurnCounter() {
    KillTimer(nullptr, gTimer);
}

void TurnCounter::Start() {
    gTicks = TickRecord{true, 0, Now(), 0};
}

void TurnCounter::Stop() {
    gTicks.watching = false;
    gTicks.longestGap = std::max(gTicks.longestGap, Now() - gTicks.last);
}

int TurnCounter::Turns() const {
    return gTicks.ticks;
}

double TurnCounter::LongestWait() const {
    return gTicks.longestGap;
}

}  // namespace keyloom::bench
