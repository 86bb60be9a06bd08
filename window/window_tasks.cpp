#include "window/window_tasks.h"

#include <memory>

#include "window/controls/window_registry.h"

namespace keyloom {

namespace {

constexpr UINT kRunTaskMessage = WM_APP + 1;
// Timer ids of delayed tasks: above every control's id.
constexpr UINT_PTR kFirstDelayedTimer = 0x7F00;
constexpr std::size_t kSlotCount = static_cast<std::size_t>(DelayedSlot::Count);

std::function<void()> gDelayed[kSlotCount];

// Messages of their own for tasks, from this one on.
constexpr UINT kFirstTaskMessage = WM_APP + 16;
constexpr std::size_t kMaxTaskMessages = 8;
std::function<void()> gMessageTasks[kMaxTaskMessages];

}  // namespace

bool PostToWindowThread(std::function<void()> task) {
    HWND window = MainWindow();
    if (!window) return false;
    auto posted = std::make_unique<std::function<void()>>(std::move(task));
    // A full queue is waited out rather than the task lost.
    while (!PostMessageA(window, kRunTaskMessage, 0, reinterpret_cast<LPARAM>(posted.get()))) {
        if (!IsWindow(window)) return false;
        Sleep(10);
    }
    posted.release();
    return true;
}

void RunAfter(DelayedSlot slot, unsigned milliseconds, std::function<void()> task) {
    HWND window = MainWindow();
    if (!window) return;
    const std::size_t index = static_cast<std::size_t>(slot);
    gDelayed[index] = std::move(task);
    SetTimer(window, kFirstDelayedTimer + index, milliseconds, nullptr);
}

UINT MessageForTask(std::function<void()> task) {
    for (std::size_t i = 0; i < kMaxTaskMessages; ++i) {
        if (gMessageTasks[i]) continue;
        gMessageTasks[i] = std::move(task);
        return kFirstTaskMessage + static_cast<UINT>(i);
    }
    return 0;
}

bool RunWindowTask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= kFirstTaskMessage && message < kFirstTaskMessage + kMaxTaskMessages) {
        // A copy: the task may end the window, and its slot with it.
        const std::function<void()> task = gMessageTasks[message - kFirstTaskMessage];
        if (task) task();
        return true;
    }
    if (message == kRunTaskMessage) {
        std::unique_ptr<std::function<void()>> task(
            reinterpret_cast<std::function<void()>*>(lParam));
        if (task && *task) (*task)();
        return true;
    }
    if (message == WM_TIMER && wParam >= kFirstDelayedTimer &&
        wParam < kFirstDelayedTimer + kSlotCount) {
        KillTimer(window, wParam);
        std::function<void()> task = std::move(gDelayed[wParam - kFirstDelayedTimer]);
        gDelayed[wParam - kFirstDelayedTimer] = nullptr;
        if (task) task();
        return true;
    }
    return false;
}

void ForgetWindowTasks() {
    for (auto& task : gDelayed) task = nullptr;
    for (auto& task : gMessageTasks) task = nullptr;
}

}  // namespace keyloom
