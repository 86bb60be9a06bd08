// Watches a folder for changes to its files (names, sizes, write times) on
// a thread of its own and tells a window by a posted message, so the window
// can look at the files it cares about. Coalesced: at most one message is
// posted and not yet taken; changes meanwhile need no second one.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace keyloom {

class FolderWatch {
public:
    FolderWatch() = default;
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;
    // Stops the watch.
    ~FolderWatch();

    // Starts watching folder (UTF-8, without its files' names): each change
    // of a file in it (not in its subfolders) posts message to window, with
    // wParam and lParam 0, unless one is posted and not yet taken. False,
    // with nothing running, when the folder cannot be watched or a watch
    // runs already.
    bool Start(const std::string& folder, HWND window, UINT message);

    // The window has taken the posted message: the next change posts
    // again. Called as the message is handled, before the files are
    // looked at, so a change made while they are is not missed.
    void Taken();

    // Ends the watch and waits for its thread; no message is posted after
    // it returns. Nothing when no watch runs.
    void Stop();

    bool Running() const { return thread_.joinable(); }

private:
    void Watch();

    HANDLE change_ = INVALID_HANDLE_VALUE;
    HANDLE stop_ = nullptr;
    HWND window_ = nullptr;
    UINT message_ = 0;
    std::atomic<bool> posted_{false};
    std::thread thread_;
};

}  // namespace keyloom
