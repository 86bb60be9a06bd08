// The editing state of a run, in one place: the env file as this run knows
// it, the rows of the hotkey list with their origins, the edit panel's mode
// and whether it is shown, the row a Modify opened, and the actions the
// user gave while a save was running. Add, Modify, Delete, Confirm and the
// env数据 view are its operations; each says in a SessionChange what the
// window must show. It knows no window and runs on the window's thread; a
// save runs elsewhere with what BeginSave hands it.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/editing_row.h"
#include "core/env_session.h"
#include "core/save_job.h"
#include "core/session_change.h"

namespace keyloom {

// What the user asked for, with the row selected when it was asked.
struct EditAction {
    enum Kind : std::uint8_t { Add, Modify, Delete, Confirm, ShowContent, Close } kind;
    int selectedRow = -1;
};

// The panel's boxes as typed, read when a confirm is carried out.
struct PanelInput {
    std::string key;
    std::string command;
    // The verb the panel shows: the written line's.
    HotkeyVerb verb = HotkeyVerb::Alias;
};

class EditingSession {
public:
    EditingSession();

    // Reads the env file at path: the rows and the count caption. Starts
    // afresh: add mode, the panel hidden, nothing opened or given. Not
    // while a save runs.
    SessionChange Open(const std::string& path);

    const std::string& Path() const { return path_; }
    const std::vector<HotkeyEntry>& Rows() const { return *rows_; }
    int RowCount() const { return static_cast<int>(rows_->size()); }
    // The row a Modify opened, wherever deletions moved it, or OpenedRow::kNone.
    int OpenedRowIndex() const { return opened_.Row(); }
    bool IsModifyMode() const { return modify_; }
    bool IsPanelShown() const { return panelShown_; }
    bool IsSaveRunning() const { return saving_ != nullptr; }
    // No save runs and no action waits.
    bool IsIdle() const { return !IsSaveRunning() && given_.empty(); }

    // Keeps the action; actions are carried out in the order given.
    void Give(EditAction action);
    // The next action to carry out: none while a save runs or none waits.
    std::optional<EditAction> NextAction();
    // Whether a confirm is next, which needs the panel's boxes.
    bool IsConfirmNext() const;
    // Carries out an action NextAction gave; input is read for a confirm.
    SessionChange Carry(const EditAction& action, const PanelInput& input = {});

    // The answer to a confirm's question: replace the other rows that bind
    // the key (then the confirm goes on, one save for all), or change
    // nothing and go back to the key box.
    SessionChange AnswerReplace(bool replace);

    // For each row, the row whose later line binds its key instead, or -1.
    const std::vector<int>& CoveringRows() const { return covering_; }

    // After a change that asks for a save: what the save thread needs,
    // handed over until FinishSave takes it back.
    std::unique_ptr<SaveJob> BeginSave();
    // The save is done: the file and origins come back; the count, the
    // content box of a shown panel, or the failure box.
    SessionChange FinishSave(std::unique_ptr<SaveJob> job);

    // The env file's text now, up to its first zero byte; empty when it is
    // missing or unreadable.
    std::string FileText() const;

private:
    SessionChange Add();
    SessionChange Modify(int selected);
    SessionChange Delete(int selected);
    SessionChange Confirm(const PanelInput& input, bool replaceAgreed);
    void MarkBoundTwice(SessionChange* change);
    void TogglePanel(SessionChange* change);
    std::vector<HotkeyEntry>& MutableRows();

    std::string path_;
    EnvSession file_;
    // Shared with a running save, which only reads them.
    std::shared_ptr<std::vector<HotkeyEntry>> rows_;
    std::vector<RowOrigin> origins_;
    std::vector<int> covering_;
    OpenedRow opened_;
    // The confirm that waits for the answer to its question.
    std::optional<PanelInput> asking_;
    bool modify_ = false;
    bool panelShown_ = false;
    std::deque<EditAction> given_;
    // The job of the running save, null when none runs; it is away on the
    // save's thread, only its address is kept to know it.
    const SaveJob* saving_ = nullptr;
};

}  // namespace keyloom
