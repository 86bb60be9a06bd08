#include "core/editing_session.h"

#include <cstring>

#include "core/bound_twice.h"
#include "core/confirm_input.h"
#include "core/count_caption.h"
#include "core/edit_mode.h"
#include "core/env_file.h"
#include "core/env_lines.h"
#include "core/text_rules.h"

namespace keyloom {

EditingSession::EditingSession() : rows_(std::make_shared<std::vector<HotkeyEntry>>()) {}

SessionChange EditingSession::Open(const std::string& path) {
    path_ = path;
    // A new start: nothing opened, nothing given, the panel hidden.
    opened_ = OpenedRow();
    modify_ = false;
    panelShown_ = false;
    given_.clear();
    auto rows = std::make_shared<std::vector<HotkeyEntry>>();
    file_.Open(path, rows.get(), &origins_);
    origins_.resize(rows->size());
    rows_ = std::move(rows);
    asking_.reset();
    SessionChange change;
    change.countCaption = CountCaption(rows_->size());
    MarkBoundTwice(&change);
    return change;
}

void EditingSession::Give(EditAction action) {
    given_.push_back(action);
}

std::optional<EditAction> EditingSession::NextAction() {
    if (IsSaveRunning() || given_.empty()) return std::nullopt;
    EditAction action = given_.front();
    given_.pop_front();
    return action;
}

bool EditingSession::IsConfirmNext() const {
    return !given_.empty() && given_.front().kind == EditAction::Confirm;
}

SessionChange EditingSession::Carry(const EditAction& action, const PanelInput& input) {
    switch (action.kind) {
        case EditAction::Add:
            return Add();
        case EditAction::Modify:
            return Modify(action.selectedRow);
        case EditAction::Delete:
            return Delete(action.selectedRow);
        case EditAction::Confirm:
            return Confirm(input, false);
        case EditAction::ShowContent: {
            SessionChange change;
            change.envContent = FileText();
            return change;
        }
        case EditAction::Close: {
            SessionChange change;
            change.close = true;
            return change;
        }
    }
    return {};
}

std::string EditingSession::FileText() const {
    if (path_.empty()) return std::string();
    // Cut in place at the first zero byte: the text of a large env is not
    // copied again.
    std::string text = ReadWholeFile(path_);
    text.resize(std::strlen(text.c_str()));
    return text;
}

void EditingSession::TogglePanel(SessionChange* change) {
    panelShown_ = !panelShown_;
    change->panelShown = panelShown_;
    // No key press may land in a control the user cannot see.
    change->focus = panelShown_ ? FocusTarget::KeyBox : FocusTarget::HotkeyList;
    // Emptied, then filled with the file as it is now.
    change->contentBox = FileText();
}

SessionChange EditingSession::Add() {
    SessionChange change;
    TogglePanel(&change);
    change.groupCaption = kAddGroupCaption;
    change.confirmCaption = kAddConfirmCaption;
    change.verb = HotkeyVerb::Alias;
    change.verbChosen = false;
    modify_ = false;
    return change;
}

SessionChange EditingSession::Modify(int selected) {
    SessionChange change;
    if (selected < 0 || selected >= RowCount()) {
        change.box = SessionBox::NoSelection;
        return change;
    }
    TogglePanel(&change);
    change.groupCaption = kModifyGroupCaption;
    change.confirmCaption = kModifyConfirmCaption;
    modify_ = true;
    opened_.Record(selected);
    // The cells go into the boxes as they are, spaces included.
    const HotkeyEntry& row = (*rows_)[static_cast<std::size_t>(selected)];
    change.keyBox = row.key;
    change.commandBox = row.command;
    change.verb = origins_[static_cast<std::size_t>(selected)].verb;
    change.verbChosen = true;
    return change;
}

SessionChange EditingSession::Delete(int selected) {
    SessionChange change;
    if (selected < 0 || selected >= RowCount()) {
        change.box = SessionBox::NoSelection;
        return change;
    }
    // A row that shares its key with no other leaves every mark standing:
    // no pass over all the rows for it.
    const bool marksStand = IsUnpairedRow(covering_, selected);
    std::vector<HotkeyEntry>& rows = MutableRows();
    rows.erase(rows.begin() + selected);
    origins_.erase(origins_.begin() + selected);
    opened_.RowDeleted(selected);
    change.list.push_back({ListChange::Deleted, selected});
    if (marksStand) {
        RemoveUnpairedRow(&covering_, selected);
    } else {
        MarkBoundTwice(&change);
    }
    change.save = true;
    return change;
}

SessionChange EditingSession::Confirm(const PanelInput& input, bool replaceAgreed) {
    SessionChange change;
    if (!IsConfirmInputAcceptable(input.key, input.command)) {
        change.box = SessionBox::InputError;
        return change;
    }
    // Trimmed of the blanks around them, as Allegro reads a line's parts.
    std::string key(TrimBlanks(input.key));
    // The opened row, wherever deletions have moved it; none when it was
    // deleted itself, and then the confirm only appends.
    int opened = modify_ ? opened_.Row() : OpenedRow::kNone;
    if (opened >= RowCount()) opened = OpenedRow::kNone;
    // The verb the panel shows: a modify starts from its row's, so a
    // funckey stays a funckey unless the user chose otherwise.
    const HotkeyVerb verb = input.verb;
    // A new binding of a key that another row binds would leave one of the
    // two dead: the user decides first. A modify keeping its key and verb
    // asks not.
    const bool keepsOwnKey = opened != OpenedRow::kNone &&
                             (*rows_)[static_cast<std::size_t>(opened)].key == key &&
                             origins_[static_cast<std::size_t>(opened)].verb == verb;
    std::vector<int> others;
    if (!keepsOwnKey) others = RowsBinding(*rows_, origins_, verb, key, opened);
    if (!others.empty() && !replaceAgreed) {
        int live = others.back();
        for (int row : others) {
            if (covering_[static_cast<std::size_t>(row)] < 0) live = row;
        }
        change.question = ReplaceQuestion{key, (*rows_)[static_cast<std::size_t>(live)].command};
        asking_ = input;
        return change;
    }
    // A key no other row binds, replacing a row that shared its key with no
    // other (or none), leaves every mark standing.
    bool marksStand = others.empty();
    std::vector<HotkeyEntry>& rows = MutableRows();
    // From the bottom up, so each index is still the row's own.
    for (auto other = others.rbegin(); other != others.rend(); ++other) {
        rows.erase(rows.begin() + *other);
        origins_.erase(origins_.begin() + *other);
        opened_.RowDeleted(*other);
        change.list.push_back({ListChange::Deleted, *other});
    }
    opened = modify_ ? opened_.Row() : OpenedRow::kNone;
    if (opened != OpenedRow::kNone && opened < RowCount()) {
        marksStand = marksStand && IsUnpairedRow(covering_, opened);
        if (marksStand) RemoveUnpairedRow(&covering_, opened);
        rows.erase(rows.begin() + opened);
        origins_.erase(origins_.begin() + opened);
        opened_.RowDeleted(opened);
        change.list.push_back({ListChange::Deleted, opened});
    }
    rows.push_back({std::move(key), std::string(TrimBlanks(input.command))});
    origins_.push_back({kNoLine, verb});
    const int target = RowCount() - 1;
    change.list.push_back({ListChange::Counted, RowCount()});
    change.list.push_back({ListChange::CellSet, target});
    // The edited hotkey now stands in the appended row.
    if (modify_) opened_.Record(target);
    if (marksStand) {
        covering_.push_back(-1);
    } else {
        MarkBoundTwice(&change);
    }
    // The panel closes whatever the save's outcome; the focus leaves it, so
    // a key press on the hidden confirm button cannot add the hotkey again.
    panelShown_ = false;
    change.panelShown = false;
    change.focus = FocusTarget::HotkeyList;
    change.save = true;
    return change;
}

SessionChange EditingSession::AnswerReplace(bool replace) {
    if (!asking_) return {};
    const PanelInput input = std::move(*asking_);
    asking_.reset();
    if (replace) return Confirm(input, true);
    // Nothing changes; the user goes on in the key box (in the list when a
    // later click has hidden the panel meanwhile).
    SessionChange change;
    change.focus = panelShown_ ? FocusTarget::KeyBox : FocusTarget::HotkeyList;
    return change;
}

void EditingSession::MarkBoundTwice(SessionChange* change) {
    std::vector<int> covering = keyloom::CoveringRows(*rows_, origins_, file_.InsertAt());
    if (covering != covering_) change->marksChanged = true;
    covering_ = std::move(covering);
}

std::vector<HotkeyEntry>& EditingSession::MutableRows() {
    // Rows never change while a save reads them: actions wait for it.
    return *rows_;
}

std::unique_ptr<SaveJob> EditingSession::BeginSave() {
    auto job = std::make_unique<SaveJob>();
    job->file = std::move(file_);
    job->rows = rows_;
    job->origins = std::move(origins_);
    saving_ = job.get();
    return job;
}

SessionChange EditingSession::FinishSave(std::unique_ptr<SaveJob> job) {
    SessionChange change;
    if (!job || job.get() != saving_) return change;
    saving_ = nullptr;
    file_ = std::move(job->file);
    origins_ = std::move(job->origins);
    job->rows.reset();
    EnvSession::Outcome& outcome = job->outcome;
    // A shown panel's box shows the text the save wrote, or failed to
    // write; a hidden one's is filled when the panel opens again.
    if (panelShown_) change.contentBox = std::move(outcome.text);
    if (outcome.written) {
        change.countCaption = CountCaption(rows_->size());
        // The marks stand: the save wrote the rows without a line where the
        // marks already placed them, before the insertion point in list order.
    } else if (outcome.refusal == EnvSession::Outcome::Refusal::SeveralNames) {
        change.box = SessionBox::SaveRefusedForNames;
    } else {
        change.box = SessionBox::SaveFailed;
    }
    return change;
}

}  // namespace keyloom
