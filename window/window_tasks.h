// Work handed to the window's thread: from another thread, a closure
// posted to the main window and run by its message loop (a job that ran
// beside the window reports back so, to the unit that started it); on the
// window's thread, a closure run once after a delay.
#pragma once

#include <windows.h>

#include <functional>

namespace keyloom {

// Posts task to run on the window's thread; false when there is no main
// window (the task is then dropped). Safe from any thread.
bool PostToWindowThread(std::function<void()> task);

// Runs task once on the window's thread after the delay, unless the window
// is gone by then. A later call with the same slot replaces the earlier
// one's task and delay.
enum class DelayedSlot : UINT_PTR { FileSettle, Count };
void RunAfter(DelayedSlot slot, unsigned milliseconds, std::function<void()> task);

// A message of its own for task: each time it reaches the main window
// (posted by another thread, say a watch that knows only a window and a
// message), task runs on the window's thread. 0 when none is left.
UINT MessageForTask(std::function<void()> task);

// The main window's messages for them: true when the message was one.
bool RunWindowTask(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window is gone: delayed tasks and the tasks of messages are dropped.
void ForgetWindowTasks();

}  // namespace keyloom
