// The exit routine slot: at most one routine, run at most once by exit
// processing after ProgramStart returns. FatalError clears it unrun.
#pragma once

namespace keyloom {

using ExitRoutine = void (*)();

void SetExitRoutine(ExitRoutine routine);
// Runs the routine in the slot, if any, and clears the slot.
void RunExitRoutine();
void ClearExitRoutine();

}  // namespace keyloom
