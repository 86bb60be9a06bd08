// Delete and Modify, on the row selected at the click.
#include "handlers/delete_modify.h"

#include "handlers/act.h"
#include "handlers/editing_state.h"
#include "window/hotkey_list.h"

namespace keyloom {

void OnDeleteClick() {
    const int row = SelectedHotkeyRow();
    Act([row] { return Session().Delete(row); });
}

void OnModifyClick() {
    const int row = SelectedHotkeyRow();
    Act([row] { return Session().Modify(row); });
}

}  // namespace keyloom
