#include "core/env_session.h"

#include <cstring>

#include "core/env_file.h"
#include "core/env_file_os.h"

namespace keyloom {

namespace {

bool HoldsZeroByte(std::string_view bytes) {
    return std::memchr(bytes.data(), '\0', bytes.size()) != nullptr;
}

}  // namespace

void EnvSession::Open(const std::string& path, std::vector<HotkeyEntry>* entries,
                      std::vector<RowOrigin>* origins) {
    path_ = path;
    backupTaken_ = false;
    document_ = ReadEnvDocument(BytesToText(ReadWholeFile(path)));
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
    std::string old;
    const fileos::ReadResult read =
        path_.empty() ? fileos::ReadResult::kFailed : fileos::ReadFileBytes(path_, old);
    const std::string_view oldHead = std::string_view(old).substr(0, HeadLength(old));
    const bool known =
        read != fileos::ReadResult::kFailed && !HoldsZeroByte(old) && oldHead == document_.head;

    WrittenHead written;
    if (old.empty() && document_.head.empty()) {
        outcome.text = ComposeEnvText(rows);
        written.document = ReadEnvDocument(outcome.text);
        DocumentHotkeys(written.document, nullptr, &written.origins);
        written.origins.resize(rows.size());
    } else {
        // What would be written had the file stayed as this run knows it
        // is still shown when it has not; its tail is unknown then.
        const std::string_view tail =
            known ? std::string_view(old).substr(oldHead.size()) : std::string_view();
        step();
        written = WriteHead(document_, rows, *origins, FirstLineEnd(known ? old : document_.head),
                            progress);
        outcome.text.reserve(written.document.head.size() + tail.size());
        outcome.text.append(written.document.head).append(tail);
    }
    // A read-only file is refused before env.bak is touched.
    if (!known || fileos::IsReadOnlyFile(path_)) return outcome;

    // env.bak keeps the file as it was before the run's first change.
    if (!backupTaken_ && outcome.text != old) {
        step();
        if (!old.empty() && !WriteBackupFile(path_, old)) return outcome;
        backupTaken_ = true;
    }
    step();
    if (!WriteEnvFile(path_, outcome.text)) return outcome;
    outcome.written = true;
    document_ = std::move(written.document);
    *origins = std::move(written.origins);
    return outcome;
}

}  // namespace keyloom
