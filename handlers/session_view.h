// Shows what an editing operation changed: the list, the panel's width,
// captions and boxes, the count, the focus and the message boxes.
#pragma once

#include "core/session_change.h"

namespace keyloom {

// Applies the change to the window; the texts are moved out of it.
void ShowSessionChange(SessionChange& change);

}  // namespace keyloom
