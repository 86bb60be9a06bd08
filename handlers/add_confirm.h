// Add opens the panel for a new hotkey; Confirm commits the panel's key and
// command.
#pragma once

namespace keyloom {

void OnAddClick();
void OnConfirmClick();

}  // namespace keyloom
