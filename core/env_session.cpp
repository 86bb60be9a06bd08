#include "core/env_session.h"

#include "core/env_file.h"

namespace keyloom {

void EnvSession::Open(const std::string& path, std::vector<HotkeyEntry>* entries,
                      std::vector<RowOrigin>* origins) {
    path_ = path;
    backupTaken_ = false;
    document_ = ReadEnvDocument(ReadEnvText(path));
    DocumentHotkeys(document_, entries, origins);
}

EnvSession::Outcome EnvSession::Save(const std::vector<HotkeyEntry>& rows,
                                     std::vector<RowOrigin>* origins,
                                     const std::function<void()>& progress) {
    auto step = [&] {
        if (progress) progress();
    };
    step();
    Outcome outcome;
    // One origin for each row; rows without one are new lines.
    origins->resize(rows.size());
    // Read up to a zero byte only: a file cut so is not the one this run
    // knows, and what follows the zero byte is never needed.
    std::string old;
    const TextRead read = ReadEnvText(path_, &old);
    const std::size_t oldHeadLength = HeadLength(old);
    const std::string_view oldHead = std::string_view(old).substr(0, oldHeadLength);
    const std::string_view oldTail = std::string_view(old).substr(oldHeadLength);
    // A file this run read with content and finds empty or missing now is
    // not the one it knows either.
    bool known = (read == TextRead::kWhole || read == TextRead::kMissing) &&
                 oldHead == document_.Head() && (!old.empty() || document_.text.empty());

    step();
    WrittenDocument written;
    const bool ownLayout = old.empty() && document_.text.empty();
    if (ownLayout) {
        // Keyloom's own layout: every row a new alias line in the empty
        // layout, which puts them between its header and its block.
        written = WriteDocument(ReadEnvDocument(ComposeEnvText({})), rows,
                                std::vector<RowOrigin>(rows.size()), "\r\n", progress);
        outcome.text = written.document.text;
    } else {
        written =
            WriteDocument(document_, rows, *origins,
                          FirstLineEnd(known ? std::string_view(old) : document_.text), progress);
        // A save that drops a line of the tail writes the tail this run
        // knows without that line, so only over that tail: Allegro may have
        // rewritten its section meanwhile. Every other save takes the
        // section as it stands on disk now.
        if (written.dropsTailLine && oldTail != document_.Tail()) known = false;
        const std::string_view tail =
            known && !written.dropsTailLine ? oldTail : written.document.Tail();
        const std::string_view head = written.document.Head();
        outcome.text.reserve(head.size() + tail.size());
        outcome.text.append(head).append(tail);
    }
    // The file the save replaces, and whether it may: decided once, and a
    // refusal given before env.bak is touched.
    const SaveTarget target = ResolveSaveTarget(path_);
    switch (target.refusal) {
        case SaveRefusal::kNone:
            break;
        case SaveRefusal::kReadOnly:
            outcome.refusal = Outcome::Refusal::ReadOnly;
            return outcome;
        case SaveRefusal::kSeveralNames:
            outcome.refusal = Outcome::Refusal::SeveralNames;
            return outcome;
        case SaveRefusal::kFolder:
            outcome.refusal = Outcome::Refusal::Folder;
            return outcome;
    }
    if (!known) return outcome;

    // env.bak keeps the file as it was before the run's first change.
    if (!backupTaken_ && outcome.text != old) {
        step();
        if (!old.empty() && !WriteBackupFile(path_, old)) return outcome;
        backupTaken_ = true;
    }
    step();
    if (!ReplaceEnvFile(target, outcome.text)) return outcome;
    outcome.written = true;
    document_ = std::move(written.document);
    *origins = std::move(written.origins);
    return outcome;
}

}  // namespace keyloom
