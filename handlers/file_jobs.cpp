#include "handlers/file_jobs.h"

#include "core/file_worker.h"
#include "handlers/closing.h"
#include "handlers/editing_state.h"
#include "handlers/session_view.h"
#include "platform/folder_watch.h"
#include "window/controls/window_registry.h"
#include "window/window_tasks.h"

namespace keyloom {

namespace {

// How long the file's stamp must stay the same before it is read, and how
// long a file that is gone is looked for again before the list is left as
// it is (a writer that renames the file and writes it anew).
constexpr unsigned kSettleMilliseconds = 100;
constexpr int kMissingLooks = 10;

FileWorker& Worker() {
    static FileWorker worker;
    return worker;
}

FolderWatch& Watch() {
    static FolderWatch watch;
    return watch;
}

void OnEnvFolderChanged() {
    // Taken before the file is looked at: a change made meanwhile is told
    // again.
    Watch().Taken();
    CheckEnvFileOnDisk();
}

// The stamp seen at the last look, and how often the file was missing.
FileStamp gLastSeen;
int gMissingLooks = 0;
// A look asked for while a job ran: the job's own writing is what the
// folder told of, and a look then would hold the file open as the save
// renames onto it. It is made when the job is done.
bool gLookAfterJob = false;

void TakeFinishedJob() {
    std::unique_ptr<FileJob> job = Worker().Finish();
    if (!job) return;
    const LineId selected = SelectedLine();
    SessionChange change = Session().FinishJob(std::move(job));
    ShowSessionChange(change, selected);
    if (change.readAgainLater)
        RunAfter(DelayedSlot::FileSettle, kSettleMilliseconds, CheckEnvFileOnDisk);
}

void OnFileJobDone() {
    TakeFinishedJob();
    if (gLookAfterJob) {
        gLookAfterJob = false;
        CheckEnvFileOnDisk();
    }
    StartDueFileJob();
    CloseWhenDone();
}

}  // namespace

void StartDueFileJob() {
    if (Worker().IsBusy()) return;
    std::unique_ptr<FileJob> job = Session().NextJob();
    if (!job) return;
    Worker().Start(std::move(job), [] { PostToWindowThread(OnFileJobDone); });
}

void StartWatchingEnvFile() {
    Watch().Stop();
    const std::string& path = Session().Path();
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return;
    const UINT message = MessageForTask(OnEnvFolderChanged);
    if (message != 0) Watch().Start(path.substr(0, slash), MainWindow(), message);
}

void CheckEnvFileOnDisk() {
    if (Session().IsJobRunning()) {
        gLookAfterJob = true;
        return;
    }
    const FileStamp stamp = StampOf(Session().Path());
    if (Session().IsKnownStamp(stamp)) {
        gMissingLooks = 0;
        return;
    }
    if (!stamp.exists) {
        // Gone, perhaps for the moment of a rewrite: looked for again for
        // a while; then the list stays as it is.
        if (++gMissingLooks <= kMissingLooks) {
            RunAfter(DelayedSlot::FileSettle, kSettleMilliseconds, CheckEnvFileOnDisk);
        }
        return;
    }
    gMissingLooks = 0;
    if (stamp != gLastSeen) {
        gLastSeen = stamp;
        RunAfter(DelayedSlot::FileSettle, kSettleMilliseconds, CheckEnvFileOnDisk);
        return;
    }
    Session().ReadFileAgain();
    StartDueFileJob();
}

void OnMainWindowActivated() {
    if (!Session().Path().empty()) CheckEnvFileOnDisk();
}

}  // namespace keyloom
