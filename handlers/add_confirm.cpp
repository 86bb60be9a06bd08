// Add opens the panel for a new hotkey; Confirm commits the panel's key and
// command, replacing the opened row in modify mode.
#include "handlers/add_confirm.h"

#include "handlers/act.h"
#include "handlers/editing_state.h"
#include "window/controls/control_ids.h"
#include "window/verb_choice.h"
#include "window/window_ops.h"

namespace keyloom {

void OnAddClick() {
    Act([] { return Session().Add(); });
}

void OnConfirmClick() {
    // The boxes as they are at the click.
    const PanelInput input{ControlText(kKeyBox), ControlText(kCommandBox), PanelVerb()};
    Act([&input] { return Session().Confirm(input); });
}

}  // namespace keyloom
