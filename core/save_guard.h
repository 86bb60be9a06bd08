// Keeps a save from being re-entered. The window handles its messages while
// SaveEnvFile writes the file, so a click or a close can be handled in its
// middle: the editing handlers ask IsRunning and return, and a close is put
// off until the save has finished.
#pragma once

namespace keyloom {

class SaveGuard {
public:
    // Starts a save; false when one is already running.
    bool Begin();
    // Ends the running save; true when a close was asked for meanwhile, which
    // the caller then carries out. The request is used up.
    bool End();

    bool IsRunning() const { return running_; }
    // A close arrived during the save; ignored when no save runs.
    void RequestClose();

private:
    bool running_ = false;
    bool closeRequested_ = false;
};

}  // namespace keyloom
