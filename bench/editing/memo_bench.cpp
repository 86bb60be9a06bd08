// The content box typed into: a character and the paint that shows it, at
// the start and at the end of a line of a million spaces (which never
// wraps, so it runs far past the box's right edge), against the same in a
// one-line short text. In 编辑框1 of the real window, the panel open. And
// the box of env数据 on a 20 MB env, from the click until it is shown,
// against a bare message box with a short text.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/editing/bench_parts.h"
#include "bench/editing/bench_run.h"
#include "tests/harness/harness.h"
#include "window/controls/control_ids.h"
#include "window/memo/memo_box.h"
#include "window/boxes.h"
#include "window/window_ops.h"

namespace keyloom::bench {

namespace {

// One character typed at the start or the end of the box's text, until the
// box has drawn it and nothing is left to handle; then taken back again,
// untimed.
double TimeKeystroke(HWND box, bool atEnd) {
    const WPARAM place = atEnd ? static_cast<WPARAM>(-1) : 0;
    SendMessageA(box, EM_SETSEL, place, static_cast<LPARAM>(place));
    keyloom::test::PumpMessages();
    const double start = Now();
    SendMessageA(box, WM_CHAR, 'a', 1);
    UpdateWindow(box);
    keyloom::test::PumpMessages();
    const double taken = Now() - start;
    SendMessageA(box, WM_CHAR, '\b', 1);
    UpdateWindow(box);
    keyloom::test::PumpMessages();
    return taken;
}

// The real boxes, taken before any recorder replaces them (the seams are
// set before the program's own initialisation runs).
const BoxFunction kSystemBox = gBoxFunction;

struct ShownBox {
    HWND box = nullptr;
    double shown = 0;
};
ShownBox gShown;
HHOOK gBoxHook = nullptr;

// Runs when the box's loop has nothing left but timers: it is shown and
// painted. Then closed.
void CALLBACK BoxShown(HWND, UINT, UINT_PTR timer, DWORD) {
    gShown.shown = Now();
    KillTimer(nullptr, timer);
    PostMessageA(gShown.box, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK WatchForBox(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG) {
        gShown.box = call->hwnd;
        SetTimer(nullptr, 0, 0, BoxShown);
    }
    return CallNextHookEx(gBoxHook, code, wParam, lParam);
}

// From before show() until the box is shown.
template <typename Show>
double TimeBox(Show show) {
    keyloom::test::PumpMessages();
    gShown = ShownBox();
    gBoxHook = SetWindowsHookExA(WH_CALLWNDPROCRET, WatchForBox, nullptr, GetCurrentThreadId());
    const double start = Now();
    show();
    UnhookWindowsHookEx(gBoxHook);
    keyloom::test::PumpMessages();
    return gShown.box ? gShown.shown - start : -1;
}

}  // namespace

void RunEnvContent(int repetitions) {
    using namespace keyloom::test;
    const BoxFunction recordedBox = gBoxFunction;
    gBoxFunction = kSystemBox;
    const std::string env = EnvOfBytes(20000000);
    if (StartMainWindowForTest(env) == nullptr) std::exit(2);
    HWND button = ControlWindow("按钮_env内容");
    std::vector<double> large;
    std::vector<double> bare;
    std::vector<double> small;
    for (int run = 0; run < repetitions; ++run) {
        bare.push_back(TimeBox(
            [] { MessageBoxW(nullptr, L"alias F2 zoom fit", L"env", MB_OK | MB_TASKMODAL); }));
        large.push_back(TimeBox([button] { SendMessageA(button, BM_CLICK, 0, 0); }));
        small.push_back(TimeBox([] {
            ShowBox({BoxKind::LongText, {{"alias F2 zoom fit", BoxText::EnvFile}}, "env"});
        }));
    }
    PrintRatio("env box", "20 MB env, click to shown", Median(large), Median(bare), 1.0);
    std::printf(
        "           (the floor: a bare message box with a short text; Keyloom's text box "
        "with the same text: %.1f ms)\n",
        Median(small));
    CloseMainWindowForTest();
    gBoxFunction = recordedBox;
}

void RunKeystrokes(int repetitions) {
    using namespace keyloom::test;
    if (StartMainWindowForTest(EnvOfHotkeys(10)) == nullptr) std::exit(2);
    ClickButton("按钮_添加");
    HWND box = ControlWindow(kContentBox);
    SetFocus(box);
    const std::string shortText = "alias F2 zoom fit";
    const std::string longLine(1000000, ' ');
    std::vector<double> times[4];
    for (int run = 0; run < repetitions; ++run) {
        for (int text = 0; text < 2; ++text) {
            SetMemoText(box, text == 0 ? shortText : longLine);
            PumpMessages();
            // The first change of a text given anew moves it into a larger
            // block once, as any growing string does; not a keystroke's cost.
            TimeKeystroke(box, true);
            for (int end = 0; end < 2; ++end)
                times[text * 2 + end].push_back(TimeKeystroke(box, end));
        }
    }
    const char* places[] = {"start", "end"};
    for (int end = 0; end < 2; ++end) {
        PrintRatio("keystroke", std::string("1,000,000 spaces, at the ") + places[end],
                   Median(times[2 + end]), Median(times[end]), 2.0);
    }
    std::printf(
        "           (the floor: the same keystroke in the one-line text \"%s\": %.2f ms "
        "at the start, %.2f ms at the end)\n",
        shortText.c_str(), Median(times[0]), Median(times[1]));
    CloseMainWindowForTest();
}

}  // namespace keyloom::bench
