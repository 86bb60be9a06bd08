// Add opens the panel for a new hotkey; Confirm commits the panel's key and
// command, replacing the opened row in modify mode.
#include "handlers/add_confirm.h"

#include "handlers/editing_actions.h"

namespace keyloom {

void OnAddClick() {
    GiveAction(EditAction::Add);
}

void OnConfirmClick() {
    GiveAction(EditAction::Confirm);
}

}  // namespace keyloom
