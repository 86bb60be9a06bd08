// The editing state of a run, in one place: the env file as this run last
// read or wrote it, the lines the user has made of it and the rows of the
// hotkey list, the edit panel's mode and whether it is shown, the row a
// Modify opened, and the history of changes. Every action is carried out
// at once, on the rows as the list shows them, and says in a
// SessionChange what the window must show. The file is read and written by
// jobs that run beside the window with a snapshot of the lines: at most one
// runs, and the next one due is asked for when it is done. It knows no
// window and runs on the window's thread.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/edit_history.h"
#include "core/edited_lines.h"
#include "core/file_job.h"
#include "core/session_change.h"

namespace keyloom {

// The panel's boxes and verb, as they are at the confirm's click. Without
// a verb, a modify keeps its row's and an add writes an alias.
struct PanelInput {
    std::string key;
    std::string command;
    std::optional<HotkeyVerb> verb;
};

class EditingSession {
public:
    EditingSession();

    // Reads the env file at path: the rows and the count caption. Starts
    // afresh: add mode, the panel hidden, nothing opened, no history.
    // leaveBackup: env.bak is left as it is for the whole run. Not while
    // a job runs.
    SessionChange Open(const std::string& path, bool leaveBackup = false);

    const std::string& Path() const { return path_; }
    const HotkeyRows& Rows() const { return edited_.Rows(); }
    int RowCount() const { return static_cast<int>(edited_.Rows().Count()); }
    // The line a row shows, and the row of a line (-1 when none): a row's
    // line names it across changes.
    LineId RowLine(int row) const;
    int RowOfLine(LineId line) const { return edited_.Rows().IndexOf(line); }
    // The row a Modify opened, wherever changes moved it, or -1.
    int OpenedRowIndex() const { return RowOfLine(opened_); }
    bool IsModifyMode() const { return modify_; }
    bool IsPanelShown() const { return panelShown_; }

    // The user's actions, on the row selected at the click.
    SessionChange Add();
    SessionChange Modify(int selected);
    SessionChange Delete(int selected);
    SessionChange Confirm(const PanelInput& input);
    // The answer to a confirm's question: replace the rows that bound the
    // key when it was asked, or change nothing and go back to the key box.
    SessionChange AnswerReplace(bool replace);
    SessionChange Undo();
    SessionChange Redo();
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // The env数据 view: the file as it stands.
    SessionChange ShowContent() const;

    // The next job due (a save of a change, a read of a file another
    // writer changed), while none runs; null when none is due.
    std::unique_ptr<FileJob> NextJob();
    // A job is done: what it found is taken in.
    SessionChange FinishJob(std::unique_ptr<FileJob> job);
    bool IsJobRunning() const { return running_; }
    // No job runs and none is due.
    bool IsIdle() const { return !running_ && !saveDue_ && !readDue_; }

    // Whether stamp is the file's as this run last read or wrote it.
    bool IsKnownStamp(const FileStamp& stamp) const { return stamp == knownStamp_; }
    // Another writer changed the file: it is read as soon as no job runs.
    void ReadFileAgain() { readDue_ = true; }

    // The rows hold a change the file does not (a save failed or waits).
    bool HasUnwrittenChange() const;

    // The env file's text now, up to its first zero byte; empty when it is
    // missing or unreadable.
    std::string FileText() const;

    // What the history holds, in bytes: in proportion to what changed.
    std::size_t HistoryBytes() const { return history_.Bytes(); }

private:
    void TogglePanel(SessionChange* change);
    // Carries out a step, records it in the change being made and tells
    // the list.
    void Do(const EditStep& step, EditSteps* done, SessionChange* change);
    // The new line at the place where new hotkey lines go.
    void InsertNewLine(LineId line, EditSteps* done, SessionChange* change);
    SessionChange ConfirmWith(const PanelInput& input, const std::vector<LineId>& replaced);
    // The marks of keys bound twice after the steps.
    void MarkAfter(const EditSteps& steps, SessionChange* change);
    // After the lines changed: marks, a save due.
    void Changed(EditSteps steps, SessionChange* change);
    SessionChange Replay(const EditSteps& steps, bool backwards, bool undo);
    void TakeChangedFile(FileJob& job, SessionChange* change);
    std::string CountCaptionOfFile() const;

    LineStore store_;
    std::string path_;
    // The file as this run last read or wrote it, and its stamp then.
    std::shared_ptr<const LineSequence> known_;
    FileStamp knownStamp_;
    bool knownCutAtZero_ = false;
    // Nothing was read at the start (the file could not be read): the
    // count follows the list until a save writes.
    bool nothingRead_ = false;
    bool mayBackUp_ = true;
    EditedLines edited_;
    LineId anchor_ = kNoLineId;
    EditHistory history_;

    LineId opened_ = kNoLineId;
    bool modify_ = false;
    bool panelShown_ = false;
    // The confirm that waits for the answer to its question, and the rows
    // that bound its key when it was asked.
    std::optional<PanelInput> asking_;
    std::vector<LineId> askingRows_;

    bool running_ = false;
    bool saveDue_ = false;
    bool readDue_ = false;
};

}  // namespace keyloom
