#include "handlers/undo_redo.h"

#include "handlers/act.h"
#include "handlers/delete_modify.h"
#include "handlers/editing_state.h"
#include "window/hotkey_list.h"
#include "window/hotkey_list_menu.h"

namespace keyloom {

namespace {

enum MenuCommand : int { kModifyCommand = 1, kDeleteCommand, kUndoCommand, kRedoCommand };

}  // namespace

void OnUndo() {
    Act([] { return Session().Undo(); });
}

void OnRedo() {
    Act([] { return Session().Redo(); });
}

void OnHotkeyListMenu() {
    const bool selected = SelectedHotkeyRow() >= 0;
    const int chosen = ShowHotkeyListMenu({
        {kModifyCommand, "修改\tF2", selected},
        {kDeleteCommand, "删除\tDel", selected},
        {kUndoCommand, "撤销\tCtrl+Z", Session().CanUndo()},
        {kRedoCommand, "重做\tCtrl+Y", Session().CanRedo()},
    });
    switch (chosen) {
        case kModifyCommand:
            OnModifyClick();
            break;
        case kDeleteCommand:
            OnDeleteClick();
            break;
        case kUndoCommand:
            OnUndo();
            break;
        case kRedoCommand:
            OnRedo();
            break;
        default:
            break;
    }
}

}  // namespace keyloom
