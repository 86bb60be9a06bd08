#include "window/message_pump.h"

#include <windows.h>

#include "window/window_keys.h"

namespace keyloom {

void ProcessPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave it for the message loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (HandleWindowKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace keyloom
