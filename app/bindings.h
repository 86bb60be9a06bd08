// The one table that ties the events of the main window and its controls to
// their handlers. The window gets it when it is made.
#pragma once

#include "window/controls/control_table.h"

namespace keyloom {

// Every event not listed has no handler.
extern const BindingTable kBindings;

}  // namespace keyloom
