// Saving the rows to the env file after every change. The file is read,
// composed and written on a thread of its own, which touches no window;
// meanwhile the window paints and answers, and the actions given wait.
#pragma once

namespace keyloom {

// Starts the save of the session's rows; the window learns its end by
// kSaveDoneMessage.
void SaveEnvFile();

// The save is done: its outcome is shown (count, content box of a shown
// panel, or the failure box), then the actions given meanwhile go on.
void OnSaveDone();

// The main window's close handler: the close is an action of its own, so
// it waits for a running save and the actions given before it.
void OnMainWindowCloseRequested();

}  // namespace keyloom
