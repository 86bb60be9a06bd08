#include "window/background_work.h"

#include <windows.h>

#include "window/window_ops.h"

namespace keyloom {

namespace {

DWORD WINAPI RunWork(void* work) {
    (*static_cast<const std::function<void()>*>(work))();
    return 0;
}

}  // namespace

void RunWhileHandlingMessages(const std::function<void()>& work,
                              const std::function<void()>& meanwhile) {
    HANDLE thread =
        CreateThread(nullptr, 0, RunWork, const_cast<std::function<void()>*>(&work), 0, nullptr);
    if (thread == nullptr) {
        // No thread to be had: the work runs here, the window waits.
        if (meanwhile) meanwhile();
        work();
        ProcessPendingMessages();
        return;
    }
    if (meanwhile) meanwhile();
    ProcessPendingMessages();
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0 + 1) {
            ProcessPendingMessages();
            continue;
        }
        // Finished, or the wait itself failed: then only the work counts.
        if (woken != WAIT_OBJECT_0) WaitForSingleObject(thread, INFINITE);
        break;
    }
    CloseHandle(thread);
}

}  // namespace keyloom
