// The editing session of this run: opened by the created handler, changed
// only by the user's actions and by the file jobs they start, all on the
// window's thread.
#pragma once

#include "core/editing_session.h"

namespace keyloom {

EditingSession& Session();

}  // namespace keyloom
