// Carrying out a user's action at once, on the rows as the list shows
// them: what it changed is shown (the selected row stays selected), a
// question it asks is asked and its answer carried out, and the save it
// makes due starts beside the window.
#pragma once

#include <functional>

#include "core/editing_session.h"

namespace keyloom {

void Act(const std::function<SessionChange()>& action);

}  // namespace keyloom
