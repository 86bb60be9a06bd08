#include "handlers/content_view.h"

#include "handlers/editing_actions.h"

namespace keyloom {

void ShowEnvContent() {
    GiveAction(EditAction::ShowContent);
}

}  // namespace keyloom
