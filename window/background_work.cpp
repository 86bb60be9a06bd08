#include "window/background_work.h"

#include <windows.h>

#include <system_error>
#include <thread>

#include "window/window_ops.h"

namespace keyloom {

void RunWhileHandlingMessages(const std::function<void()>& work,
                              const std::function<void()>& meanwhile) {
    // Set by the worker when it is done, so this thread can wait for it
    // and for its own messages at once.
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread worker;
    if (done) {
        try {
            worker = std::thread([&work, done] {
                work();
                SetEvent(done);
            });
        } catch (const std::system_error&) {
            // No thread to be had: the work runs here, below.
        }
    }
    if (meanwhile) meanwhile();
    ProcessPendingMessages();
    if (!worker.joinable()) {
        work();
    } else {
        while (MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT) ==
               WAIT_OBJECT_0 + 1) {
            ProcessPendingMessages();
        }
        // Done, or the wait itself failed: then only the work counts.
        worker.join();
    }
    if (done) CloseHandle(done);
}

}  // namespace keyloom
