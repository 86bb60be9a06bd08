// The editing benchmark: on lists of 10,000 and 100,000 rows, in the real
// window under Wine,
// - the start-up load (LoadEnvFile into the empty list) against inserting
//   the same rows into a bare list view;
// - a confirm in add mode, save included, until the window is idle again,
//   against composing the same text and writing it in one call;
// and how often the window got to handle its messages during the save.
// Figures only: medians of several runs, never a pass or a fail.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/editing/bench_floor.h"
#include "core/env_text.h"
#include "handlers/save_env_file.h"
#include "tests/harness/harness.h"
#include "window/control_names.h"
#include "window/hotkey_list.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom::bench {
namespace {

using namespace keyloom::test;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Hotkeys of the shapes an Allegro env holds: function keys with and
// without modifiers, commands of a few words, some duplicates.
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

// Ticks of a thread timer, which the window can only handle between the
// rows of a save: how often it got its turn while the save ran.
struct TickRecord {
    bool watching = false;
    int ticks = 0;
    double last = 0;
    double longestGap = 0;
};
TickRecord gTicks;

void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
    if (!gTicks.watching) return;
    const double now = Now();
    gTicks.longestGap = std::max(gTicks.longestGap, now - gTicks.last);
    gTicks.last = now;
    ++gTicks.ticks;
}

void PrintRatio(const char* what, int rows, double measured, double floor, double goal) {
    std::fflush(stdout);
    std::printf("%-8s rows %6d: %9.1f ms, floor %9.1f ms, ratio %.2fx (goal %.1fx)\n", what, rows,
                measured, floor, floor > 0 ? measured / floor : 0.0, goal);
    std::fflush(stdout);
}

// Start-up with the env file holding these rows: the window is created
// hidden, the created handler loads the rows, the window is shown and
// painted. Returns the time taken and leaves the window open.
double TimeStartUp(const std::string& envBytes) {
    const double start = Now();
    if (StartMainWindowForTest(envBytes) == nullptr) std::exit(2);
    UpdateWindow(MainWindow());
    return Now() - start;
}

void RunLoad(const std::vector<HotkeyEntry>& rows, int repetitions) {
    const int count = static_cast<int>(rows.size());
    const std::string envBytes = ComposeEnvText(rows);
    // What start-up costs with no rows is taken off, leaving the load.
    std::vector<double> empty;
    std::vector<double> loads;
    for (int run = 0; run < repetitions; ++run) {
        empty.push_back(TimeStartUp(ComposeEnvText({})));
        CloseMainWindowForTest();
        loads.push_back(TimeStartUp(envBytes));
        if (HotkeyRowCount() != count) std::printf("load gave %d rows\n", HotkeyRowCount());
        CloseMainWindowForTest();
    }
    std::vector<double> inserts;
    std::vector<double> unredrawn;
    for (int run = 0; run < repetitions; ++run) {
        for (bool redraw : {true, false}) {
            BareList bare;
            PumpMessages();
            const double start = Now();
            bare.InsertRows(rows, redraw);
            (redraw ? inserts : unredrawn).push_back(Now() - start);
        }
    }
    const double load = Median(loads) - Median(empty);
    PrintRatio("load", count, load, Median(unredrawn), 1.5);
    std::printf(
        "         (start-up with no rows %.1f ms taken off; the floor inserts with the "
        "list's redraw off, as the load does; with redraw on they take %.1f ms)\n",
        Median(empty), Median(inserts));
}

void RunConfirm(const std::vector<HotkeyEntry>& rows, int repetitions) {
    const int count = static_cast<int>(rows.size());
    TimeStartUp(ComposeEnvText(rows));
    // A confirm in add mode; each run appends one row and saves them all.
    ClickButton("按钮_添加");
    TypeInto(kKeyBox, "F12");
    TypeInto(kCommandBox, "bench confirm");
    HWND confirm = ControlWindow(kConfirmButton);
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, CountTick);
    std::vector<double> confirms;
    TickRecord during;
    for (int run = 0; run < repetitions; ++run) {
        PumpMessages();
        gTicks = TickRecord{true, 0, Now(), 0};
        const double start = Now();
        SendMessageA(confirm, BM_CLICK, 0, 0);
        PumpMessages();
        const double end = Now();
        gTicks.watching = false;
        gTicks.longestGap = std::max(gTicks.longestGap, end - gTicks.last);
        confirms.push_back(end - start);
        during = gTicks;
    }
    KillTimer(nullptr, timer);
    const std::string saved = ReadFileBytes(TestEnvPath());
    std::vector<HotkeyEntry> listed;
    for (int row = 0; row < HotkeyRowCount(); ++row) {
        listed.push_back({HotkeyCell(row, 0), HotkeyCell(row, 1)});
    }
    if (HotkeyRowCount() != count + repetitions || saved != ComposeEnvText(listed)) {
        std::printf("confirm did not save as expected\n");
    }
    // The floor: the same text composed from the rows and written in one
    // call.
    std::vector<double> floors;
    const std::string floorPath = TestProgramFolder() + "/env-floor";
    for (int run = 0; run < repetitions; ++run) {
        const double start = Now();
        const std::string text = ComposeEnvText(listed);
        const bool written = WriteInOneCall(floorPath, text);
        floors.push_back(Now() - start);
        if (text != saved || !written) std::printf("floor did not compose or write the same\n");
    }
    DeleteFileA(floorPath.c_str());
    // What the save no longer does after a confirm: the text shown in 编辑框1.
    const double start = Now();
    SetControlText(kContentBox, saved);
    const double contentBox = Now() - start;
    PrintRatio("confirm", count, Median(confirms), Median(floors), 2.0);
    std::printf(
        "         (showing the %zu bytes in the content box, which a confirm no longer "
        "does: %.1f ms)\n",
        saved.size(), contentBox);
    std::printf(
        "         during the last save the window handled its messages %d times "
        "(10 ms timer), longest wait %.1f ms\n",
        during.ticks, during.longestGap);
    CloseMainWindowForTest();
}

}  // namespace
}  // namespace keyloom::bench

int main(int argc, char** argv) {
    std::vector<int> sizes = {10000, 100000};
    int repetitions = 3;
    if (argc > 1) repetitions = std::max(1, std::atoi(argv[1]));
    if (argc > 2) sizes.assign(1, std::max(1, std::atoi(argv[2])));
    keyloom::test::MessageBoxRecorder boxes;
    std::printf(
        "editing benchmark: medians of %d runs (1 for lists over 20,000 rows), "
        "milliseconds\n",
        repetitions);
    for (int size : sizes) {
        // Long lists take long under Wine: fewer runs for them.
        const int runs = size > 20000 ? std::min(repetitions, 1) : repetitions;
        const auto rows = keyloom::bench::MakeRows(size);
        keyloom::bench::RunLoad(rows, runs);
        keyloom::bench::RunConfirm(rows, runs);
    }
    if (!boxes.Boxes().empty()) std::printf("%zu message boxes shown\n", boxes.Boxes().size());
    std::fflush(stdout);
    return 0;
}
