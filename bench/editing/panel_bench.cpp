// The edit panel opened on large envs: a click of 按钮_添加 or 按钮_修改
// until the window, with the panel shown, has answered an input queued
// behind the click and has nothing left to do.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "bench/editing/bench_parts.h"
#include "bench/editing/bench_run.h"
#include "tests/harness/harness.h"
#include "window/controls/control_ids.h"
#include "window/controls/fonts.h"
#include "window/hotkey_list.h"
#include "window/window_ops.h"

namespace keyloom::bench {

void RunPanel(const std::string& label, const std::string& env, int repetitions) {
    using namespace keyloom::test;
    if (StartMainWindowForTest(env) == nullptr) std::exit(2);
    HWND add = ControlWindow("按钮_添加");
    HWND modify = ControlWindow("按钮_修改");
    SelectHotkeyRowForTest(HotkeyRowCount() - 1);
    std::vector<double> adds;
    std::vector<double> modifies;
    double answered = 0;
    double longestTurn = 0;
    bool whole = true;
    for (int run = 0; run < repetitions; ++run) {
        for (HWND button : {add, modify}) {
            const ClickTiming shown = TimeClick(button);
            (button == add ? adds : modifies).push_back(shown.idle);
            answered = std::max(answered, shown.answered);
            longestTurn = std::max(longestTurn, shown.longestTurn);
            if (MainWindowWidth() < 606 || ControlText(kContentBox) != env) whole = false;
            // The same button hides the panel again.
            TimeClick(button);
        }
    }
    PrintFigure("add", label, Median(adds));
    PrintFigure("modify", label, Median(modifies));
    std::printf(
        "           the input behind a click answered after %.1f ms at most; the longest "
        "a single message kept the loop: %.1f ms%s\n",
        answered, longestTurn, whole ? "" : "; the content box did NOT show the file");
    CloseMainWindowForTest();
}

void RunWineEditBox(const std::string& label, const std::string& env) {
    // Wine's own multi-line edit box, as 编辑框1 was, given the same text.
    HWND frame = CreateWindowExA(0, "STATIC", "edit box", WS_OVERLAPPED | WS_VISIBLE, 600, 100, 613,
                                 328, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND box = CreateWindowExA(
        0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_LEFT | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL,
        8, 24, 184, 104, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    WindowFonts fonts = MakeWindowFonts(96);
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.memo), FALSE);
    SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
    keyloom::test::PumpMessages();
    const double start = Now();
    SetWindowTextA(box, env.c_str());
    PrintFigure("wine edit", label, Now() - start);
    DestroyWindow(frame);
    DeleteWindowFonts(fonts);
}

}  // namespace keyloom::bench
