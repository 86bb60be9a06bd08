#include "window/content_box.h"

#include "window/controls/control_ids.h"
#include "window/memo/memo_box.h"
#include "window/window_ops.h"

namespace keyloom {

void ShowSavedText(std::string text) {
    if (HWND box = ControlWindow(kContentBox)) SetMemoText(box, std::move(text));
}

}  // namespace keyloom
