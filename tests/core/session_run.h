// An editing session on a real file, driven as the window drives it: each
// action at once, each file job on a thread of its own, the next one only
// once the last one is back.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/editing_session.h"
#include "core/env_text.h"

namespace keyloom::testing {

using Rows = std::vector<HotkeyEntry>;

class SessionRun {
public:
    explicit SessionRun(const std::string& env, bool leaveBackup = false);

    // Runs the jobs due until none is; the last job's change, if any ran.
    std::optional<SessionChange> Settle();

    // The actions, each followed by Settle; the action's own change.
    SessionChange Delete(int row);
    SessionChange Modify(int row);
    SessionChange Add();
    // A confirm of the boxes; a question is answered with replace.
    SessionChange Confirm(const std::string& key, const std::string& command,
                          std::optional<HotkeyVerb> verb = std::nullopt, bool replace = true);
    SessionChange Undo();
    SessionChange Redo();

    // Add, then confirm.
    SessionChange AddHotkey(const std::string& key, const std::string& command,
                            std::optional<HotkeyVerb> verb = std::nullopt);
    // Modify, then confirm.
    SessionChange ModifyRow(int row, const std::string& key, const std::string& command);

    Rows ListRows() const;
    // Key and command of each row Allegro no longer uses, sorted.
    std::vector<std::string> DeadRows() const;

    EditingSession session;
    SessionChange open;
    // Whether each action waits for the jobs it makes due; off, they are
    // left for one Settle to write together.
    bool settleEach = true;
    // The changes of every job's end, in order.
    std::vector<SessionChange> jobChanges;

private:
    void MaybeSettle();
};

// Runs one job on a thread of its own and waits for it.
void RunOnThread(FileJob& job);

}  // namespace keyloom::testing
