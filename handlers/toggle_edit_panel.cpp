#include "handlers/toggle_edit_panel.h"

#include "window/control_names.h"
#include "window/edit_panel.h"
#include "window/window_ops.h"

namespace keyloom {

void ToggleEditPanel() {
    SetMainWindowWidth(ToggledPanelWidth(MainWindowWidth()));
    FocusKeyBoxOrList();
    SetControlText(kContentBox, "");
}

void FocusKeyBoxOrList() {
    FocusControl(IsEditPanelShown() ? kKeyBox : kHotkeyList);
}

}  // namespace keyloom
