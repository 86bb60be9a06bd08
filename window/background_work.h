// Work that must not hold up the window: it runs on a thread of its own
// while this thread goes on handling its messages (painting, timers, clicks
// and a close), until the work is done.
#pragma once

#include <functional>

namespace keyloom {

// Runs work on another thread. Meanwhile this thread runs meanwhile (when
// given), then handles its pending messages at least once and every message
// that arrives until the work has finished. work must not touch a window.
void RunWhileHandlingMessages(const std::function<void()>& work,
                              const std::function<void()>& meanwhile = {});

}  // namespace keyloom
