// The user's editing actions, each carried out once and in the order given:
// at once when no save runs, else as soon as the save (and every action
// given before) is done. A close given meanwhile waits the same way.
#pragma once

#include "core/editing_session.h"

namespace keyloom {

// Keeps the action, with the row selected now, and carries out what can be.
void GiveAction(EditAction::Kind kind);

// Carries out the actions that wait, up to the first that starts a save.
void CarryGivenActions();

}  // namespace keyloom
