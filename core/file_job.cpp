#include "core/file_job.h"

namespace keyloom {

namespace {

using Result = FileJob::Result;

SaveFailure FailureOf(SaveRefusal refusal) {
    switch (refusal) {
        case SaveRefusal::kNone:
            return SaveFailure::Plain;
        case SaveRefusal::kReadOnly:
            return SaveFailure::ReadOnly;
        case SaveRefusal::kSeveralNames:
            return SaveFailure::SeveralNames;
        case SaveRefusal::kFolder:
            return SaveFailure::Folder;
    }
    return SaveFailure::Plain;
}

// The file as it stands, when it is not the text the job knows: the job
// then holds it, matched against what it knows.
bool IsKnown(const FileJob& job, const std::string& text, bool cut) {
    return cut == job.knownCutAtZero && ComposesTo(job.store, *job.known, text);
}

bool TakeChange(FileJob& job, std::string&& text, bool cut) {
    if (IsKnown(job, text, cut)) return false;
    job.now = MatchLines(job.store, *job.known, std::move(text));
    job.nowCutAtZero = cut;
    job.result = Result::Changed;
    return true;
}

void RunRead(FileJob& job) {
    const FileStamp before = StampOf(job.path);
    std::string text;
    const TextRead read = ReadEnvText(job.path, &text);
    job.stamp = StampOf(job.path);
    if (job.stamp != before) {
        job.result = Result::Unsettled;
        return;
    }
    if (read == TextRead::kFailed) {
        job.result = Result::Failed;
        return;
    }
    if (text.empty() && !job.known->empty()) {
        job.result = Result::Missing;
        return;
    }
    if (!TakeChange(job, std::move(text), read == TextRead::kCutAtZero)) {
        job.result = Result::Unchanged;
    }
}

// The file's text, read while its stamp stays the same (a writer busy
// with it is waited out a few reads long); the stamp it was read at.
TextRead ReadSettled(const std::string& path, std::string* text, FileStamp* stamp) {
    TextRead read = TextRead::kFailed;
    for (int attempt = 0; attempt < 3; ++attempt) {
        *stamp = StampOf(path);
        read = ReadEnvText(path, text);
        if (StampOf(path) == *stamp) break;
    }
    return read;
}

void RunSave(FileJob& job) {
    std::string old;
    FileStamp read;
    const TextRead result = ReadSettled(job.path, &old, &read);
    if (result == TextRead::kFailed) {
        const SaveTarget target = ResolveSaveTarget(job.path);
        // An unreadable file says why only when a folder stands at its name.
        job.refusal =
            target.refusal == SaveRefusal::kFolder ? SaveFailure::Folder : SaveFailure::Plain;
        job.result = job.refusal == SaveFailure::Plain ? Result::Failed : Result::Refused;
        return;
    }
    const bool cut = result == TextRead::kCutAtZero;
    // A file that is gone or empty gets all the lines this run knows, with
    // the change: nothing the run read of it is lost.
    if ((!old.empty() || job.known->empty()) && !IsKnown(job, old, cut)) {
        job.stamp = read;
        TakeChange(job, std::move(old), cut);
        return;
    }
    job.text = ComposeLines(job.store, *job.lines);
    if (cut) {
        job.refusal = SaveFailure::ZeroByte;
        job.result = Result::Refused;
        return;
    }
    if (job.text == old && !old.empty()) {
        job.result = Result::Unchanged;
        job.stamp = read;
        return;
    }
    const SaveTarget target = ResolveSaveTarget(job.path);
    if (target.refusal != SaveRefusal::kNone) {
        job.refusal = FailureOf(target.refusal);
        job.result = Result::Refused;
        return;
    }
    // env.bak keeps the file as it was before the run's first change.
    if (job.mayBackUp && !old.empty()) {
        if (!WriteBackupFile(job.path, old)) return;
        job.backedUp = true;
    }
    switch (ReplaceEnvFileAsRead(target, job.text, read)) {
        case ReplaceOutcome::kReplaced:
            job.result = Result::Written;
            job.stamp = StampOf(job.path);
            return;
        case ReplaceOutcome::kChangedMeanwhile: {
            // Another writer came in between the read and the replace:
            // what the file holds now is read, and the change carried onto
            // it by the next save.
            std::string now;
            const TextRead again = ReadSettled(job.path, &now, &job.stamp);
            if (again == TextRead::kFailed) return;
            job.text.clear();
            if (!TakeChange(job, std::move(now), again == TextRead::kCutAtZero)) {
                job.result = Result::Unsettled;
            }
            return;
        }
        case ReplaceOutcome::kFailed:
            return;
    }
}

}  // namespace

void RunFileJob(FileJob& job) {
    job.result = Result::Failed;
    if (job.kind == FileJob::Kind::Read) {
        RunRead(job);
    } else {
        RunSave(job);
    }
}

}  // namespace keyloom
