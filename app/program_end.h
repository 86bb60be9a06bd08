// The end of the message loop: once start-up is done (the ending flag set),
// the destruction of the program's last window asks the loop to end.
#pragma once

namespace keyloom {

// Start-up is done; from now on the last window's end ends the loop.
void SetEndingFlag();

// Called when a window of the program has been destroyed: with none left
// and the ending flag set, the message loop is asked to end.
void OnProgramWindowDestroyed();

}  // namespace keyloom
