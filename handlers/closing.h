// The close: it waits for the file's jobs (the save that runs and the one
// due), then ends Keyloom; with a change the file does not hold (a save
// that failed), it asks first.
#pragma once

namespace keyloom {

// The main window's close handler (close button, system menu, Esc).
void OnMainWindowCloseRequested();

// A file job ended: a close that waited for it goes on.
void CloseWhenDone();

}  // namespace keyloom
