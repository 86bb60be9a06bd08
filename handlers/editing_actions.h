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

// The save is done (kSaveDoneMessage): its outcome is shown (count, content
// box of a shown panel, or the failure box), then the actions given
// meanwhile go on.
void OnSaveDone();

// The main window's close handler: the close is an action of its own, so
// it waits for a running save and the actions given before it.
void OnMainWindowCloseRequested();

}  // namespace keyloom
