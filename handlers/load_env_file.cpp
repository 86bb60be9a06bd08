// Loading the env file into the hotkey list at start-up.
#include "handlers/load_env_file.h"

#include "handlers/editing_state.h"
#include "handlers/file_jobs.h"
#include "handlers/session_view.h"
#include "window/hotkey_list.h"

namespace keyloom {

void LoadEnvFile(const std::string& path, bool leaveBackup) {
    SessionChange change = Session().Open(path, leaveBackup);
    // The list only learns the rows' number and asks for the cells it
    // paints.
    change.list.clear();
    ShowSessionChange(change, kNoLineId);
    ShowHotkeyRows(&Session().Rows());
    // A file that changed while it was read is read again.
    StartDueFileJob();
}

}  // namespace keyloom
