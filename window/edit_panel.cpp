#include "window/edit_panel.h"

#include <string_view>

#include "platform/dpi.h"
#include "window/controls/control_ids.h"
#include "window/controls/dpi_layout.h"
#include "window/window_ops.h"

namespace keyloom {

bool IsPanelShownAt(int windowWidth, unsigned dpi) {
    return windowWidth >= ScaledForDpi(kPanelShownFrom, dpi);
}

bool IsEditPanelShown() {
    return IsPanelShownAt(MainWindowWidth(), MainWindowDpi());
}

void ShowEditPanel(bool shown) {
    SetMainWindowWidth(ScaledToWindow(shown ? kPanelShownWidth : kPanelHiddenWidth));
}

bool IsInHiddenEditPanel(HWND control) {
    if (!control || IsEditPanelShown()) return false;
    for (ControlId group : {kPanelGroup, kContentGroup}) {
        HWND box = ControlWindow(group);
        if (box && (control == box || IsChild(box, control))) return true;
    }
    return false;
}

}  // namespace keyloom
