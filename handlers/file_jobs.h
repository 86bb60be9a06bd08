// The env file's jobs beside the window: a save after every change, a
// read after another writer's. One runs at a time on a thread of its own;
// its end comes back to this unit as a task on the window's thread, which
// shows what it found and starts the next one due.
#pragma once

namespace keyloom {

// Starts the job the session has due, unless one runs.
void StartDueFileJob();

// Watches the env file's folder from now on: a change there is looked at
// (CheckEnvFileOnDisk). A watch started before, for an earlier window,
// ends first.
void StartWatchingEnvFile();

// The env file may have changed on disk (its folder changed, or the
// window was activated): when its stamp is no longer the one the session
// knows, it is read once it has settled (there, and the same a moment
// later), so a writer that renames it and writes it anew is waited out.
void CheckEnvFileOnDisk();

// The window became active again: another program may have written the
// file meanwhile.
void OnMainWindowActivated();

}  // namespace keyloom
