// The process entry: ProgramStart, then exit processing.
#include <windows.h>

#include "app/program_start.h"
#include "platform/exit_routine.h"
#include "platform/skin_commands.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int code = keyloom::ProgramStart();
    keyloom::RunExitRoutine();
    // The skin library goes only after ReleaseGlobals and the window.
    keyloom::ReleaseSkinCommandHandles();
    return code;
}
