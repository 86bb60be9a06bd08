// The edit panel as Add and Modify open and close it, and where the focus
// goes then.
#pragma once

namespace keyloom {

// Shows the edit panel when the window is narrower than 470, else hides it;
// focus as FocusKeyBoxOrList gives it; 编辑框1 emptied.
void ToggleEditPanel();

// The focus to 编辑框2 while the panel is shown; to the hotkey list while it
// is hidden, so that no key press lands in a control the user cannot see.
void FocusKeyBoxOrList();

}  // namespace keyloom
