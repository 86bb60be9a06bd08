#include "handlers/toggle_edit_panel.h"

#include "window/control_names.h"
#include "window/dpi_layout.h"
#include "window/edit_panel.h"
#include "window/window_ops.h"

namespace keyloom {

void ToggleEditPanel() {
    SetMainWindowWidth(ToggledPanelWidth(MainWindowWidth(), MainWindowDpi()));
    FocusKeyBoxOrList();
    SetControlText(kContentBox, "");
}

void FocusKeyBoxOrList() {
    FocusControl(IsEditPanelShown() ? kKeyBox : kHotkeyList);
}

}  // namespace keyloom
