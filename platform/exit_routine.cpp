#include "platform/exit_routine.h"

namespace keyloom {

static ExitRoutine gExitRoutine = nullptr;

void SetExitRoutine(ExitRoutine routine) {
    gExitRoutine = routine;
}

void RunExitRoutine() {
    ExitRoutine routine = gExitRoutine;
    // Cleared before it runs, so it can never run twice.
    gExitRoutine = nullptr;
    if (routine) routine();
}

void ClearExitRoutine() {
    gExitRoutine = nullptr;
}

}  // namespace keyloom
