#include "window/content_box.h"

#include <windows.h>

#include <string>

#include "window/control_names.h"
#include "window/window_ops.h"

namespace keyloom {

void ShowSavedText(std::string_view text) {
    HWND box = ControlWindow(kContentBox);
    if (box == nullptr) return;
    // The box takes typing of any length too, as it holds texts of any.
    SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextA(box, std::string(text).c_str());
}

}  // namespace keyloom
