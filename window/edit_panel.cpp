#include "window/edit_panel.h"

#include <string_view>

#include "core/edit_mode.h"
#include "window/control_names.h"
#include "window/window_ops.h"

namespace keyloom {

bool IsEditPanelShown() {
    return IsPanelShown(MainWindowWidth());
}

bool IsInHiddenEditPanel(HWND control) {
    if (!control || IsEditPanelShown()) return false;
    for (std::string_view group : {kPanelGroup, kContentGroup}) {
        HWND box = ControlWindow(group);
        if (box && (control == box || IsChild(box, control))) return true;
    }
    return false;
}

}  // namespace keyloom
