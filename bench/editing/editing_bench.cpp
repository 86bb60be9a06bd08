// The editing benchmark, in the real window under Wine: the start-up load
// on 10,000 and 100,000 rows against a bare list view; Add and Modify
// opening the panel at 100,000 hotkeys, at 20 MB and with one line of a
// million bytes; a confirm and a delete at 100,000 rows against a first
// safe save. Figures only: medians of several runs, never a pass or a fail.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/editing/bench_floor.h"
#include "bench/editing/bench_parts.h"
#include "bench/editing/bench_run.h"
#include "tests/harness/harness.h"
#include "window/hotkey_list.h"
#include "window/main_window.h"

namespace keyloom::bench {
namespace {

using namespace keyloom::test;

// Start-up with the env file holding these rows: the window is created
// hidden, the created handler loads the rows, the window is shown and
// painted. Returns the time taken and leaves the window open.
double TimeStartUp(const std::string& envBytes) {
    const double start = Now();
    if (StartMainWindowForTest(envBytes) == nullptr) std::exit(2);
    UpdateWindow(MainWindow());
    return Now() - start;
}

}  // namespace

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
    PrintRatio("load", std::to_string(count) + " rows", load, Median(unredrawn), 1.5);
    std::printf(
        "           (start-up with no rows %.1f ms taken off; the floor inserts with the "
        "list's redraw off, as the load does; with redraw on they take %.1f ms)\n",
        Median(empty), Median(inserts));
}

}  // namespace keyloom::bench

// editing_bench.exe [runs [part]]: part is "load", "saves", "history",
// "reload", "panel" or "memo"; all of them without it.
int main(int argc, char** argv) {
    using namespace keyloom::bench;
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::string part = argc > 2 ? argv[2] : "";
    auto wanted = [&part](const char* name) { return part.empty() || part == name; };
    keyloom::test::MessageBoxRecorder boxes;
    std::printf("editing benchmark: medians of %d runs, milliseconds\n", repetitions);
    if (wanted("load")) {
        for (int rows : {10000, 100000}) RunLoad(MakeRows(rows), rows > 20000 ? 1 : repetitions);
    }
    // A save's time varies with the disk: more runs.
    if (wanted("saves")) RunSaves(MakeRows(100000), repetitions + 2);
    if (wanted("history")) RunHistory(100);
    if (wanted("reload")) RunReload(repetitions);
    if (wanted("panel")) {
        const std::string hotkeys = EnvOfHotkeys(100000);
        RunPanel("100,000 hotkeys (" + std::to_string(hotkeys.size() / 1000) + " KB)", hotkeys,
                 repetitions);
        RunPanel("20 MB env", EnvOfBytes(20000000), repetitions);
        RunPanel("one 1,000,000-byte line", EnvWithLongLine(1000000), repetitions);
        RunWineEditBox("100,000 hotkeys", hotkeys);
    }
    if (wanted("memo")) {
        RunKeystrokes(repetitions + 2);
        RunEnvContent(repetitions);
    }
    if (!boxes.Boxes().empty()) std::printf("%zu message boxes shown\n", boxes.Boxes().size());
    std::fflush(stdout);
    return 0;
}
