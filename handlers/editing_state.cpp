#include "handlers/editing_state.h"

namespace keyloom {

EditingSession& Session() {
    static EditingSession session;
    return session;
}

}  // namespace keyloom
