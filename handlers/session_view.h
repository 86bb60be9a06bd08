// Shows what an editing operation changed: the list and its selection,
// the panel's width, captions and boxes, the count, the focus and the
// boxes it asks for.
#pragma once

#include "core/editing_session.h"

namespace keyloom {

// Applies the change to the window; the texts are moved out of it.
// selectedBefore: the line of the row selected before the change, which
// stays selected wherever the change moved it.
void ShowSessionChange(SessionChange& change, LineId selectedBefore);

// The line of the row selected now, or kNoLineId.
LineId SelectedLine();

}  // namespace keyloom
