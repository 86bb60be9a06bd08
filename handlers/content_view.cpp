#include "handlers/content_view.h"

#include "handlers/act.h"
#include "handlers/editing_state.h"

namespace keyloom {

void ShowEnvContent() {
    Act([] { return Session().ShowContent(); });
}

}  // namespace keyloom
