#include "platform/folder_watch.h"

#include "core/wide_path.h"

namespace keyloom {

FolderWatch::~FolderWatch() {
    Stop();
}

bool FolderWatch::Start(const std::string& folder, HWND window, UINT message) {
    if (Running()) return false;
    change_ = FindFirstChangeNotificationW(
        WidePath(folder).c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    if (change_ == INVALID_HANDLE_VALUE) return false;
    stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (stop_ == nullptr) {
        FindCloseChangeNotification(change_);
        change_ = INVALID_HANDLE_VALUE;
        return false;
    }
    window_ = window;
    message_ = message;
    posted_ = false;
    thread_ = std::thread([this] { Watch(); });
    return true;
}

void FolderWatch::Taken() {
    posted_ = false;
}

void FolderWatch::Stop() {
    if (!Running()) return;
    SetEvent(stop_);
    thread_.join();
    FindCloseChangeNotification(change_);
    CloseHandle(stop_);
    change_ = INVALID_HANDLE_VALUE;
    stop_ = nullptr;
}

void FolderWatch::Watch() {
    const HANDLE waits[] = {stop_, change_};
    for (;;) {
        const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
        if (woken != WAIT_OBJECT_0 + 1) return;  // stopped, or the wait failed
        // One message for any number of changes until the window takes it;
        // a message that could not be posted is none.
        if (!posted_.exchange(true) && !PostMessageW(window_, message_, 0, 0)) posted_ = false;
        if (!FindNextChangeNotification(change_)) return;
    }
}

}  // namespace keyloom
