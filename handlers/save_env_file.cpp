// Writing the rows back to the env file after every change: only the lines
// of rows that changed change in the file.
#include "handlers/save_env_file.h"

#include <windows.h>

#include "core/save_worker.h"
#include "handlers/editing_state.h"
#include "window/main_window.h"

namespace keyloom {

namespace {

SaveWorker& Worker() {
    static SaveWorker worker;
    return worker;
}

}  // namespace

void SaveEnvFile() {
    HWND window = MainWindow();
    Worker().Start(Session().BeginSave(), [window] {
        // The window outlives the save: a close waits for it. A full queue
        // is waited out rather than the save's end lost.
        while (!PostMessageA(window, kSaveDoneMessage, 0, 0) && IsWindow(window)) Sleep(10);
    });
}

std::unique_ptr<SaveJob> TakeFinishedSave() {
    if (!Worker().IsBusy()) return nullptr;
    return Worker().Finish();
}

}  // namespace keyloom
