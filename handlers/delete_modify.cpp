// Delete and Modify.
#include "handlers/delete_modify.h"

#include "core/edit_mode.h"
#include "core/editing_row.h"
#include "handlers/content_view.h"
#include "handlers/editing_texts.h"
#include "handlers/save_env_file.h"
#include "handlers/toggle_edit_panel.h"
#include "platform/message_box.h"
#include "window/control_names.h"
#include "window/edit_panel.h"
#include "window/hotkey_list.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

void ShowNoSelectionBox() {
    ShowMessageBox(kNoSelectionText, kNoSelectionTitle, kErrorIconStyle);
}

}  // namespace

void OnDeleteClick() {
    // A save in progress reads the rows; they must stay put.
    if (IsSaveRunning()) return;
    const int row = SelectedHotkeyRow();
    if (row < 0) {
        ShowNoSelectionBox();
        return;
    }
    DeleteHotkeyRow(row);
    EditingRow.RowDeleted(row);
    // The panel stays as it is; an open one shows the saved text.
    SaveEnvFile(IsEditPanelShown() ? PanelAfterSave::Shown : PanelAfterSave::Hidden);
}

void OnModifyClick() {
    if (IsSaveRunning()) return;
    if (SelectedHotkeyRow() < 0) {
        ShowNoSelectionBox();
        return;
    }
    ToggleEditPanel();
    SetControlText(kPanelGroup, kModifyGroupCaption);
    SetControlText(kConfirmButton, kModifyConfirmCaption);
    FillContentBox();
    EditingRow.Record(SelectedHotkeyRow());
    // The cells go into the boxes as they are, spaces included.
    const int row = EditingRow.Row();
    SetControlText(kKeyBox, HotkeyCell(row, 0));
    SetControlText(kCommandBox, HotkeyCell(row, 1));
}

}  // namespace keyloom
