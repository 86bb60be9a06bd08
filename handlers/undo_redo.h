// Undo and redo of the changes of this run, from the keys and the list's
// context menu.
#pragma once

namespace keyloom {

void OnUndo();
void OnRedo();

// The list's context menu: 修改, 删除, 撤销 and 重做, each as its key does.
void OnHotkeyListMenu();

}  // namespace keyloom
