// The pass over waiting messages that start-up makes after each control
// (and tests make to let the window catch up): the window's keys first.
#pragma once

namespace keyloom {

// Dispatches every message already waiting in this thread's queue and
// returns when it is empty (or a quit message is met); never waits.
void ProcessPendingMessages();

}  // namespace keyloom
