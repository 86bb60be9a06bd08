// The program's life from entry to exit.
#pragma once

namespace keyloom {

// Start-up, the message loop and the return into exit processing; 0.
int ProgramStart();

// Called when a window of the program has been destroyed: with none left
// and the ending flag set, the message loop is asked to end.
void OnProgramWindowDestroyed();

}  // namespace keyloom
