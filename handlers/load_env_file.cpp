// Loading the env file into the hotkey list at start-up, after what a save
// killed half-way left beside it is put right.
#include "handlers/load_env_file.h"

#include "core/startup_recovery.h"
#include "handlers/editing_state.h"
#include "handlers/editing_texts.h"
#include "handlers/file_jobs.h"
#include "handlers/session_view.h"
#include "window/boxes.h"
#include "window/hotkey_list.h"

namespace keyloom {

namespace {

// env is gone or empty while env.bak is there: put env.bak back (是), or
// go on without it, and then this run leaves env.bak as it is (否). Asked
// before anything is written. True when env.bak is to be left alone.
bool OfferTheBackup(const std::string& path) {
    const StartupRecovery recovery = RecoverLeftoversAtStartup(path);
    if (!recovery.envMissingOrEmpty || !recovery.backupPresent) return false;
    const bool restore =
        ShowBox({BoxKind::Question, {{kRestoreBackupText, BoxText::Program}}, kRestoreBackupTitle});
    return !(restore && RestoreBackup(path));
}

}  // namespace

void LoadEnvFile(const std::string& path) {
    const bool leaveBackup = OfferTheBackup(path);
    SessionChange change = Session().Open(path, leaveBackup);
    // The list only learns the rows' number and asks for the cells it
    // paints.
    change.list.clear();
    ShowSessionChange(change, kNoLineId);
    ShowHotkeyRows(&Session().Rows());
    StartWatchingEnvFile();
    // A file that changed while it was read is read again.
    StartDueFileJob();
}

}  // namespace keyloom
