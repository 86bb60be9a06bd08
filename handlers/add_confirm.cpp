// Add opens the panel for a new hotkey; Confirm commits the panel's key and
// command, replacing the opened row in modify mode.
#include "handlers/add_confirm.h"

#include <string>

#include "core/confirm_input.h"
#include "core/edit_mode.h"
#include "core/editing_row.h"
#include "core/text_rules.h"
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

void OnAddClick() {
    if (IsSaveRunning()) return;
    ToggleEditPanel();
    SetControlText(kPanelGroup, kAddGroupCaption);
    SetControlText(kConfirmButton, kAddConfirmCaption);
    FillContentBox();
    FocusKeyBoxOrList();
}

void OnConfirmClick() {
    // A save in progress reads the rows; they must stay put.
    if (IsSaveRunning()) return;
    const std::string key = ControlText(kKeyBox);
    const std::string command = ControlText(kCommandBox);
    if (!IsConfirmInputAcceptable(key, command)) {
        ShowMessageBox(kInputErrorText, kInputErrorTitle, kErrorIconStyle);
        return;
    }
    const bool modify = IsModifyMode(ControlText(kConfirmButton));
    // An added hotkey is an alias line; a modified one keeps its verb, so a
    // funckey stays a funckey.
    HotkeyVerb verb = HotkeyVerb::Alias;
    if (modify) {
        // The opened row, wherever deletions have moved it; none when it
        // was deleted itself, and then the confirm only appends.
        const int opened = EditingRow.Row();
        if (opened != OpenedRow::kNone && opened < HotkeyRowCount()) {
            verb = HotkeyStore().OriginOf(static_cast<std::size_t>(opened)).verb;
            DeleteHotkeyRow(opened);
            EditingRow.RowDeleted(opened);
        }
    }
    AppendHotkeyRow(verb);
    const int target = HotkeyRowCount() - 1;
    SetHotkeyCell(target, 0, TrimSpaces(key));
    SetHotkeyCell(target, 1, TrimSpaces(command));
    // The edited hotkey now stands in the appended row.
    if (modify) EditingRow.Record(target);
    // The window narrows right after the save, so the content box is not
    // filled for nobody to see.
    SaveEnvFile(PanelAfterSave::Hidden);
    HideEditPanel();
    // The focus leaves the panel with it; a key press on the hidden confirm
    // button would add the same hotkey again.
    FocusControl(kHotkeyList);
}

}  // namespace keyloom
