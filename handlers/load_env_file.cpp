// Loading the env file into the hotkey list at start-up.
#include "handlers/load_env_file.h"

#include "handlers/editing_state.h"
#include "handlers/session_view.h"
#include "window/hotkey_list.h"

namespace keyloom {

void LoadEnvFile(const std::string& path) {
    SessionChange change = Session().Open(path);
    // The count first, then the rows: the list only learns their number
    // and asks for the cells it paints.
    ShowSessionChange(change);
    ShowHotkeyRows(&Session().Rows(), &Session().CoveringRows());
}

}  // namespace keyloom
