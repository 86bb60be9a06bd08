// The edit panel and the four editing buttons.
#pragma once

namespace keyloom {

void OnAddClick();
void OnModifyClick();
void OnDeleteClick();
void OnConfirmClick();

// Shows the edit panel when the window is narrower than 470, else hides it;
// focus to 编辑框2; 编辑框1 emptied.
void ToggleEditPanel();

}  // namespace keyloom
