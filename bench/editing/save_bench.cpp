// A confirm in add mode and a delete with the panel hidden, each from the
// click until the file is in place and the window has answered an input
// and has nothing left to do; against the floor of a first safe save of
// the same rows, measured in the same run, interleaved.
#include <windows.h>

#include <cstdio>

#include "bench/editing/bench_floor.h"
#include "bench/editing/bench_parts.h"
#include "bench/editing/bench_run.h"
#include "handlers/editing_state.h"
#include "handlers/file_jobs.h"
#include "tests/harness/harness.h"
#include "window/controls/control_table.h"
#include "window/controls/control_ids.h"
#include "window/hotkey_list.h"
#include "window/window_ops.h"

namespace keyloom::bench {

namespace {

using namespace keyloom::test;

std::vector<HotkeyEntry> ListedRows() {
    std::vector<HotkeyEntry> listed;
    for (int row = 0; row < HotkeyRowCount(); ++row) {
        listed.push_back({HotkeyCell(row, 0), HotkeyCell(row, 1)});
    }
    return listed;
}

// The file holds exactly the rows the list shows.
void CheckSaved(const char* what) {
    if (ReadFileBytes(TestEnvPath()) != ComposeEnvText(ListedRows())) {
        std::printf("%s did not save the rows the list shows\n", what);
    }
}

// The floor on a copy of the env as it was before the save, giving the rows
// after it.
double TimeFloor(const std::string& envBefore, const std::vector<HotkeyEntry>& rowsAfter) {
    const std::string path = TestProgramFolder() + "/env-floor";
    WriteFileBytes(path, envBefore);
    const double start = Now();
    std::string text;
    const bool saved = FirstSafeSave(path, rowsAfter, &text);
    const double took = Now() - start;
    if (!saved || ReadFileBytes(path) != text || text != ComposeEnvText(rowsAfter)) {
        std::printf("the floor did not save\n");
    }
    DeleteFileA(path.c_str());
    DeleteFileA((path + ".bak").c_str());
    return took;
}

void Start(const std::string& env) {
    DeleteFileA((TestEnvPath() + ".bak").c_str());
    if (StartMainWindowForTest(env) == nullptr) std::exit(2);
}

}  // namespace

void RunSaves(const std::vector<HotkeyEntry>& rows, int repetitions) {
    const std::string where = std::to_string(rows.size()) + " rows";
    const std::string env = ComposeEnvText(rows);
    std::vector<double> confirms[2];
    std::vector<double> deletes[2];
    // Ctrl+Z right after the later confirm, and after the later delete.
    std::vector<double> undos[2];
    std::vector<double> floors;
    TurnCounter turns;
    for (int run = 0; run < repetitions; ++run) {
        // A confirm in add mode: the first of the start, then another one.
        Start(env);
        for (int save = 0; save < 2; ++save) {
            TimeClick(ControlWindow("按钮_添加"));
            // Keys no row binds: the confirms ask nothing.
            TypeInto("编辑框2", save == 0 ? "BF12" : "BF13");
            TypeInto("编辑框3", "bench confirm");
            turns.Start();
            confirms[save].push_back(TimeClick(ControlWindow(kConfirmButton)).idle);
            turns.Stop();
        }
        CheckSaved("confirm");
        undos[0].push_back(TimeWindowEvent(static_cast<int>(ControlEvent::Undo)).idle);
        CheckSaved("undo of a confirm");
        TimeWindowEvent(static_cast<int>(ControlEvent::Redo));
        std::vector<HotkeyEntry> added = rows;
        added.push_back({"BF12", "bench confirm"});
        CloseMainWindowForTest();
        floors.push_back(TimeFloor(env, added));
        // A delete with the panel hidden, likewise.
        Start(env);
        for (int save = 0; save < 2; ++save) {
            SelectHotkeyRowForTest(HotkeyRowCount() / 2);
            deletes[save].push_back(TimeClick(ControlWindow("按钮_删除")).idle);
        }
        CheckSaved("delete");
        undos[1].push_back(TimeWindowEvent(static_cast<int>(ControlEvent::Undo)).idle);
        CheckSaved("undo of a delete");
        TimeWindowEvent(static_cast<int>(ControlEvent::Redo));
        CloseMainWindowForTest();
        std::vector<HotkeyEntry> deleted = rows;
        deleted.erase(deleted.begin() + static_cast<std::ptrdiff_t>(rows.size() / 2));
        floors.push_back(TimeFloor(env, deleted));
    }
    const double floor = Median(floors);
    PrintRatio("confirm", where + ", first save", Median(confirms[0]), floor, 2.0);
    PrintRatio("confirm", where + ", later save", Median(confirms[1]), floor, 2.0);
    PrintRatio("delete", where + ", first save", Median(deletes[0]), floor, 2.0);
    PrintRatio("delete", where + ", later save", Median(deletes[1]), floor, 2.0);
    PrintRatio("undo", where + ", of the later confirm", Median(undos[0]), floor, 2.0);
    PrintRatio("undo", where + ", of the later delete", Median(undos[1]), floor, 2.0);
    std::printf(
        "           floor: the env read, the text composed, env.bak written and flushed, a "
        "flushed temporary put in place in one step\n"
        "           during the last confirm the window handled its messages %d times (10 ms "
        "timer), longest wait %.1f ms\n",
        turns.Turns(), turns.LongestWait());
}

void RunHistory(int changes) {
    // The 20 MB env of a user's kind; deletes, adds and modifies, each saved.
    Start(EnvOfBytes(20000000));
    for (int change = 0; change < changes; ++change) {
        switch (change % 3) {
            case 0:
                SelectHotkeyRowForTest(change * 1000);
                ClickButton("按钮_删除");
                break;
            case 1:
                ClickButton("按钮_添加");
                TypeInto("编辑框2", "H" + std::to_string(change));
                TypeInto("编辑框3", "history bench");
                ClickButton("按钮_确认");
                break;
            default:
                SelectHotkeyRowForTest(change * 1000 + 7);
                ClickButton("按钮_修改");
                TypeInto("编辑框2", "M" + std::to_string(change));
                ClickButton("按钮_确认");
                break;
        }
    }
    std::printf("history    after %d changes on a 20 MB env: %zu bytes\n", changes,
                Session().HistoryBytes());
    CloseMainWindowForTest();
}

void RunReload(int repetitions) {
    // A 20 MB env read as a start reads it, against the same env read again
    // after another writer added a line in its middle: matched against the
    // lines known, and the list shown as the file now stands.
    const std::string env = EnvOfBytes(20000000);
    const std::size_t middle = env.find('\n', env.size() / 2) + 1;
    const std::string changed =
        env.substr(0, middle) + "alias QX reload bench\r\n" + env.substr(middle);
    std::vector<double> opens;
    std::vector<double> reloads;
    for (int run = 0; run < repetitions; ++run) {
        Start(env);
        const int rows = HotkeyRowCount();
        double start = Now();
        Session().Open(TestEnvPath());
        opens.push_back(Now() - start);
        WriteFileBytes(TestEnvPath(), changed);
        start = Now();
        Session().ReadFileAgain();
        StartDueFileJob();
        PumpMessages();
        reloads.push_back(Now() - start);
        if (HotkeyRowCount() != rows + 1) std::printf("the reload did not list the new line\n");
        CloseMainWindowForTest();
    }
    PrintRatio("reload", "20 MB env, a line added", Median(reloads), Median(opens), 1.0);
    std::printf("           floor: the start's reading of the same env (read, lines, marks)\n");
}

}  // namespace keyloom::bench
