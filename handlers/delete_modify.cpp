// Delete and Modify, on the row selected at the click.
#include "handlers/delete_modify.h"

#include "handlers/editing_actions.h"

namespace keyloom {

void OnDeleteClick() {
    GiveAction(EditAction::Delete);
}

void OnModifyClick() {
    GiveAction(EditAction::Modify);
}

}  // namespace keyloom
