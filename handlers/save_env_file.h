// Saving the rows to the env file after every change, and the close that a
// running save puts off.
#pragma once

namespace keyloom {

// Whether the edit panel is shown once the operation that saves is done:
// only then is the saved text put into the content box 编辑框1, which lays
// out every line it is given (and frees every line when emptied). A hidden
// panel's box is left as it is: nobody sees it, and opening the panel
// empties it and fills it from the file.
enum class PanelAfterSave { Hidden, Shown };

// Writes the rows to the env file, shows the written text in 编辑框1 when
// the panel will be shown and, when the write succeeds, the new count in
// 标签2.
void SaveEnvFile(PanelAfterSave panel);

// True while SaveEnvFile runs. The window handles its messages while the
// file is written, so clicks and a close can arrive in the middle of a
// save: the editing buttons do nothing then, and a close waits for the
// save to finish.
bool IsSaveRunning();

// The main window's close handler: destroys the window, or, while a save
// runs, once that save has finished.
void OnMainWindowCloseRequested();

}  // namespace keyloom
