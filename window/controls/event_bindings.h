// The window's events and the handlers bound to them. The binding table
// names its controls; it is resolved to handlers by control once, when the
// window is made, so raising an event searches nothing.
#pragma once

#include "window/controls/control_table.h"

namespace keyloom {

// Resolves the table; the handlers before are forgotten.
void UseBindings(BindingTable bindings);

// Runs the handler bound to this event of the control with this id; false
// when none is bound.
bool RaiseControlEvent(int id, ControlEvent event);
// The same for an event of the window itself.
bool RaiseWindowEvent(ControlEvent event);

}  // namespace keyloom
