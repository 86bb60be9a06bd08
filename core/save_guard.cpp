#include "core/save_guard.h"

namespace keyloom {

bool SaveGuard::Begin() {
    if (running_) return false;
    running_ = true;
    closeRequested_ = false;
    return true;
}

bool SaveGuard::End() {
    bool close = running_ && closeRequested_;
    running_ = false;
    closeRequested_ = false;
    return close;
}

void SaveGuard::RequestClose() {
    if (running_) closeRequested_ = true;
}

}  // namespace keyloom
