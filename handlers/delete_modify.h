// Delete and Modify, and the edit panel that Modify and Add share.
#pragma once

namespace keyloom {

void OnDeleteClick();
void OnModifyClick();

// Shows the edit panel when the window is narrower than 470, else hides it;
// focus to 编辑框2; 编辑框1 emptied.
void ToggleEditPanel();

}  // namespace keyloom
