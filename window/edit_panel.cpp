#include "window/edit_panel.h"

#include <string_view>

#include "window/control_names.h"
#include "window/window_ops.h"

namespace keyloom {

bool IsPanelShownAt(int windowWidth) {
    return windowWidth >= kPanelShownFrom;
}

int ToggledPanelWidth(int windowWidth) {
    return IsPanelShownAt(windowWidth) ? kPanelHiddenWidth : kPanelShownWidth;
}

bool IsEditPanelShown() {
    return IsPanelShownAt(MainWindowWidth());
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
