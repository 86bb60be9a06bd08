// Saving the rows to the env file after every change, and the close that a
// running save puts off.
#pragma once

namespace keyloom {

// Writes the rows to EnvFilePath, shows the composed text in 编辑框1 and,
// when the write succeeds, the new count in 标签2.
void SaveEnvFile();

// True while SaveEnvFile runs. The save processes pending messages after
// each row, so clicks and a close can arrive in its middle: the editing
// buttons do nothing then, and a close waits for the save to finish.
bool IsSaveRunning();

// The main window's close handler: destroys the window, or, while a save
// runs, once that save has finished.
void OnMainWindowCloseRequested();

}  // namespace keyloom
