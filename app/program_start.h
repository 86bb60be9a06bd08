// The program's life from entry to exit.
#pragma once

namespace keyloom {

// Start-up, the message loop and the return into exit processing; 0.
int ProgramStart();

}  // namespace keyloom
