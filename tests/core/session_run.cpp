#include "tests/core/session_run.h"

#include <algorithm>
#include <thread>

namespace keyloom::testing {

void RunOnThread(FileJob& job) {
    std::thread thread([&job] { RunFileJob(job); });
    thread.join();
}

SessionRun::SessionRun(const std::string& env, bool leaveBackup) {
    open = session.Open(env, leaveBackup);
    Settle();
}

std::optional<SessionChange> SessionRun::Settle() {
    std::optional<SessionChange> last;
    while (std::unique_ptr<FileJob> job = session.NextJob()) {
        RunOnThread(*job);
        jobChanges.push_back(session.FinishJob(std::move(job)));
        last = jobChanges.back();
    }
    return last;
}

void SessionRun::MaybeSettle() {
    if (settleEach) Settle();
}

SessionChange SessionRun::Delete(int row) {
    SessionChange change = session.Delete(row);
    MaybeSettle();
    return change;
}

SessionChange SessionRun::Modify(int row) {
    SessionChange change = session.Modify(row);
    MaybeSettle();
    return change;
}

SessionChange SessionRun::Add() {
    SessionChange change = session.Add();
    MaybeSettle();
    return change;
}

SessionChange SessionRun::Confirm(const std::string& key, const std::string& command,
                                  std::optional<HotkeyVerb> verb, bool replace) {
    SessionChange change = session.Confirm({key, command, verb});
    if (change.question) {
        SessionChange answer = session.AnswerReplace(replace);
        MaybeSettle();
        answer.question = change.question;
        return answer;
    }
    MaybeSettle();
    return change;
}

SessionChange SessionRun::Undo() {
    SessionChange change = session.Undo();
    MaybeSettle();
    return change;
}

SessionChange SessionRun::Redo() {
    SessionChange change = session.Redo();
    MaybeSettle();
    return change;
}

SessionChange SessionRun::AddHotkey(const std::string& key, const std::string& command,
                                    std::optional<HotkeyVerb> verb) {
    if (!session.IsPanelShown() || session.IsModifyMode()) session.Add();
    return Confirm(key, command, verb);
}

SessionChange SessionRun::ModifyRow(int row, const std::string& key, const std::string& command) {
    session.Modify(row);
    if (!session.IsPanelShown()) session.Modify(row);
    return Confirm(key, command);
}

Rows SessionRun::ListRows() const {
    Rows rows;
    const HotkeyRows& shown = session.Rows();
    for (std::size_t i = 0; i < shown.Count(); ++i) {
        rows.push_back({std::string(shown.Key(i)), std::string(shown.Command(i))});
    }
    return rows;
}

std::vector<std::string> SessionRun::DeadRows() const {
    std::vector<std::string> dead;
    const HotkeyRows& shown = session.Rows();
    for (std::size_t i = 0; i < shown.Count(); ++i) {
        if (shown.IsDead(i))
            dead.push_back(std::string(shown.Key(i)) + " " + std::string(shown.Command(i)));
    }
    std::sort(dead.begin(), dead.end());
    return dead;
}

}  // namespace keyloom::testing
