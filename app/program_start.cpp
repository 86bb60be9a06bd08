#include "app/program_start.h"

#include <windows.h>

#include <new>

#include "app/bindings.h"
#include "app/program_end.h"
#include "core/wide_path.h"
#include "platform/exit_routine.h"
#include "platform/fatal_error.h"
#include "platform/globals.h"
#include "platform/program_folder.h"
#include "platform/skin_module.h"
#include "window/main_window.h"
#include "window/window_keys.h"

namespace keyloom {

static void RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (HandleWindowKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

static void LoadMainWindow() {
    HWND window = CreateMainWindow(kBindings);
    if (!window) FatalError("载入启动窗口失败", 0);
    RaiseMainWindowCreated();
    if (IsWindow(window)) ShowWindow(window, SW_SHOWNORMAL);
}

int ProgramStart() {
    // 1. Work in the program's folder; make the window's classes ready.
    // The plain form, as the working folder is best kept; one longer than
    // MAX_PATH relies on the manifest's longPathAware.
    SetCurrentDirectoryW(WideText(ProgramFolder()).c_str());
    PrepareMainWindowLayout();
    // 2. and 3. The pointer is stored before the construction runs.
    void* memory = ::operator new(sizeof(SkinModule));
    SkinModuleInstance = static_cast<SkinModule*>(memory);
    new (memory) SkinModule();
    // 4.
    SetExitRoutine(ReleaseGlobals);
    // 5.
    LoadMainWindow();
    // 6. and 7.
    SetEndingFlag();
    if (IsWindow(MainWindow())) RunMessageLoop();
    return 0;
}

}  // namespace keyloom
