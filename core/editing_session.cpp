#include "core/editing_session.h"

#include <algorithm>
#include <cstring>

#include "core/carry_changes.h"
#include "core/confirm_input.h"
#include "core/count_caption.h"
#include "core/edit_mode.h"
#include "core/env_file.h"
#include "core/text_rules.h"

namespace keyloom {

EditingSession::EditingSession()
    : known_(std::make_shared<const LineSequence>()), edited_(store_) {}

SessionChange EditingSession::Open(const std::string& path, bool leaveBackup) {
    path_ = path;
    opened_ = kNoLineId;
    modify_ = false;
    panelShown_ = false;
    asking_.reset();
    askingRows_.clear();
    history_.Clear();
    running_ = saveDue_ = readDue_ = false;
    mayBackUp_ = !leaveBackup;

    // The stamp before the read: a writer during it makes them differ,
    // and the file is read again.
    knownStamp_ = StampOf(path);
    std::string text;
    const TextRead read = path.empty() ? TextRead::kFailed : ReadEnvText(path, &text);
    if (StampOf(path) != knownStamp_) readDue_ = true;
    nothingRead_ = read == TextRead::kFailed;
    knownCutAtZero_ = read == TextRead::kCutAtZero;
    if (text.empty()) {
        // No text: Keyloom's own layout, written with the first change.
        known_ = std::make_shared<const LineSequence>();
        edited_.Assign(LayoutLines(store_));
    } else {
        edited_.Assign(ReadLines(store_, std::move(text)));
        known_ = edited_.Share();
    }
    anchor_ = InsertionAnchor(store_, edited_.Lines());
    SessionChange change;
    change.countCaption = CountCaption(Rows().Count());
    edited_.MutableRows().MarkBoundTwice(edited_.Lines());
    change.list.push_back({ListChange::Replaced, RowCount()});
    return change;
}

LineId EditingSession::RowLine(int row) const {
    if (row < 0 || row >= RowCount()) return kNoLineId;
    return Rows().IdAt(static_cast<std::size_t>(row));
}

std::string EditingSession::FileText() const {
    if (path_.empty()) return std::string();
    // Cut in place at the first zero byte: the text of a large env is not
    // copied again.
    std::string text = ReadEnvText(path_);
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
    opened_ = RowLine(selected);
    // The cells go into the boxes as they are, spaces included; the row's
    // verb is kept unless the user chooses the other.
    const std::size_t row = static_cast<std::size_t>(selected);
    change.keyBox = std::string(Rows().Key(row));
    change.commandBox = std::string(Rows().Command(row));
    change.verb = Rows().Verb(row);
    change.verbChosen = true;
    return change;
}

void EditingSession::Do(const EditStep& step, EditSteps* done, SessionChange* change) {
    const EditedLines::Applied applied = edited_.Apply(step, anchor_);
    if (!applied.done) return;
    done->push_back(step);
    if (applied.row < 0) return;
    change->list.push_back(
        {step.kind == EditStep::Kind::Remove ? ListChange::Deleted : ListChange::Inserted,
         applied.row});
}

void EditingSession::MarkAfter(const EditSteps& steps, SessionChange* change) {
    // Rows of bindings of their own come and go without a pass over every
    // row: no other row's mark can change for them. Otherwise only the rows
    // of the bindings the steps touched are marked again.
    std::vector<LineId> paired;
    for (const EditStep& step : steps) {
        if (Rows().MayBePaired(step.line)) paired.push_back(step.line);
    }
    if (!paired.empty() && edited_.MutableRows().MarkBindingsOf(edited_.Lines(), paired)) {
        change->marksChanged = true;
    }
}

void EditingSession::Changed(EditSteps steps, SessionChange* change) {
    if (steps.empty()) return;
    MarkAfter(steps, change);
    history_.Record(std::move(steps));
    saveDue_ = true;
}

SessionChange EditingSession::Delete(int selected) {
    SessionChange change;
    if (selected < 0 || selected >= RowCount()) {
        change.box = SessionBox::NoSelection;
        return change;
    }
    EditSteps steps;
    Do(edited_.RemoveStep(RowLine(selected)), &steps, &change);
    Changed(std::move(steps), &change);
    return change;
}

void EditingSession::InsertNewLine(LineId line, EditSteps* done, SessionChange* change) {
    long place =
        anchor_ == kNoLineId ? static_cast<long>(edited_.Lines().size()) : edited_.PlaceOf(anchor_);
    if (place < 0) {
        anchor_ = InsertionAnchor(store_, edited_.Lines());
        place = anchor_ == kNoLineId ? static_cast<long>(edited_.Lines().size())
                                     : edited_.PlaceOf(anchor_);
    }
    // A last line without a line end gets one before a line can follow it:
    // the same line made anew, so taking the change back takes it off.
    if (place > 0) {
        const LineId before = edited_.Lines()[static_cast<std::size_t>(place - 1)];
        if (store_[before].endLength == 0) {
            const std::string_view lineEnd = NewLineEnd(store_, edited_.Lines());
            const LineId ended = store_.AddEnded(before, EndingFor(store_[before], lineEnd));
            const int row = RowOfLine(before);
            Do(edited_.RemoveStep(before), done, change);
            Do(edited_.InsertStep(ended, anchor_, row), done, change);
        }
    }
    Do(edited_.InsertStep(line, anchor_, RowCount()), done, change);
}

SessionChange EditingSession::Confirm(const PanelInput& input) {
    SessionChange change;
    if (!IsConfirmInputAcceptable(input.key, input.command)) {
        change.box = SessionBox::InputError;
        return change;
    }
    // Trimmed of the blanks around it, as Allegro reads a line's parts.
    const std::string_view key = TrimBlanks(input.key);
    // The opened row, wherever changes moved it; none when it is gone, and
    // then the confirm only appends.
    const int opened = modify_ ? OpenedRowIndex() : -1;
    PanelInput asked = input;
    if (!asked.verb) {
        asked.verb =
            opened >= 0 ? Rows().Verb(static_cast<std::size_t>(opened)) : HotkeyVerb::Alias;
    }
    // A new binding of a key that another row binds would leave one of the
    // two dead: the user decides first. A modify keeping its binding asks not.
    const bool keepsOwnBinding = opened >= 0 &&
                                 Rows().Key(static_cast<std::size_t>(opened)) == key &&
                                 Rows().Verb(static_cast<std::size_t>(opened)) == *asked.verb;
    std::vector<int> others;
    if (!keepsOwnBinding) others = Rows().RowsBinding(*asked.verb, key, opened);
    if (others.empty()) return ConfirmWith(asked, {});
    int live = others.back();
    for (int row : others) {
        if (!Rows().IsDead(static_cast<std::size_t>(row))) live = row;
    }
    change.question = ReplaceQuestion{std::string(key),
                                      std::string(Rows().Command(static_cast<std::size_t>(live)))};
    asking_ = std::move(asked);
    askingRows_.clear();
    for (int row : others) askingRows_.push_back(RowLine(row));
    return change;
}

SessionChange EditingSession::ConfirmWith(const PanelInput& input,
                                          const std::vector<LineId>& replaced) {
    SessionChange change;
    EditSteps steps;
    for (LineId line : replaced) {
        if (RowOfLine(line) >= 0) Do(edited_.RemoveStep(line), &steps, &change);
    }
    if (modify_ && RowOfLine(opened_) >= 0) Do(edited_.RemoveStep(opened_), &steps, &change);
    const LineId line =
        AddHotkeyLine(store_, input.verb.value_or(HotkeyVerb::Alias), TrimBlanks(input.key),
                      TrimBlanks(input.command), NewLineEnd(store_, edited_.Lines()));
    InsertNewLine(line, &steps, &change);
    // The edited hotkey now stands in the appended row.
    if (modify_) opened_ = line;
    // The panel closes whatever the save's outcome; the focus leaves it, so
    // a key press on the hidden confirm button cannot add the hotkey again.
    panelShown_ = false;
    change.panelShown = false;
    change.focus = FocusTarget::HotkeyList;
    Changed(std::move(steps), &change);
    return change;
}

SessionChange EditingSession::AnswerReplace(bool replace) {
    if (!asking_) return {};
    const PanelInput input = std::move(*asking_);
    const std::vector<LineId> rows = std::move(askingRows_);
    asking_.reset();
    askingRows_.clear();
    if (replace) return ConfirmWith(input, rows);
    // Nothing changes; the user goes on in the key box.
    SessionChange change;
    change.focus = panelShown_ ? FocusTarget::KeyBox : FocusTarget::HotkeyList;
    return change;
}

SessionChange EditingSession::Undo() {
    if (!CanUndo()) return {};
    return Replay(history_.TakeUndo(), true, true);
}

SessionChange EditingSession::Redo() {
    if (!CanRedo()) return {};
    return Replay(history_.TakeRedo(), false, false);
}

SessionChange EditingSession::Replay(const EditSteps& steps, bool backwards, bool undo) {
    SessionChange change;
    EditSteps done;
    std::vector<std::string> missed;
    LineId restored = kNoLineId;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const EditStep& recorded = steps[backwards ? steps.size() - 1 - i : i];
        const EditStep step = undo ? Inverse(recorded) : recorded;
        const EditedLines::Applied applied = edited_.Apply(step, anchor_);
        const LineRecord& line = store_[step.line];
        if (!applied.done) {
            // Another writer removed or changed that line meanwhile.
            if (line.hotkey) missed.emplace_back(line.Key());
            continue;
        }
        done.push_back(step);
        if (applied.row < 0) continue;
        const bool removed = step.kind == EditStep::Kind::Remove;
        change.list.push_back({removed ? ListChange::Deleted : ListChange::Inserted, applied.row});
        if (!removed) restored = step.line;
    }
    // The row brought back last is selected and shown.
    if (RowOfLine(restored) >= 0) change.select = RowOfLine(restored);
    if (!missed.empty()) {
        change.box = SessionBox::NotRestored;
        change.boxKeys = std::move(missed);
    }
    if (!done.empty()) {
        MarkAfter(done, &change);
        saveDue_ = true;
    }
    return change;
}

SessionChange EditingSession::ShowContent() const {
    SessionChange change;
    change.envContent = FileText();
    return change;
}

bool EditingSession::HasUnwrittenChange() const {
    const LineSequence& lines = edited_.Lines();
    if (lines == *known_) return false;
    // A file with no text and nothing but Keyloom's own layout: nothing of
    // the user's to write.
    if (known_->empty()) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](LineId id) { return !store_[id].layout; });
    }
    return true;
}

std::unique_ptr<FileJob> EditingSession::NextJob() {
    if (path_.empty()) saveDue_ = readDue_ = false;
    if (running_ || path_.empty()) return nullptr;
    auto job = std::make_unique<FileJob>();
    if (saveDue_) {
        // A save reads the file too: it finds another writer's change.
        saveDue_ = false;
        readDue_ = false;
        if (edited_.Lines() == *known_) return nullptr;
        job->kind = FileJob::Kind::Save;
        job->lines = edited_.Share();
        job->mayBackUp = mayBackUp_;
    } else if (readDue_) {
        readDue_ = false;
        job->kind = FileJob::Kind::Read;
    } else {
        return nullptr;
    }
    job->path = path_;
    job->store = store_.View();
    job->known = known_;
    job->knownCutAtZero = knownCutAtZero_;
    running_ = true;
    return job;
}

std::string EditingSession::CountCaptionOfFile() const {
    // The file holds the lines the list shows: their rows are the count.
    if (known_.get() == &edited_.Lines()) return CountCaption(Rows().Count());
    std::size_t count = 0;
    for (LineId id : *known_) count += store_[id].hotkey ? 1 : 0;
    return CountCaption(count);
}

void EditingSession::TakeChangedFile(FileJob& job, SessionChange* change) {
    CarriedChanges carried = CarryChanges(store_, *known_, edited_.Lines(), std::move(job.now));
    known_ = std::make_shared<const LineSequence>(std::move(carried.known));
    knownCutAtZero_ = job.nowCutAtZero;
    knownStamp_ = job.stamp;
    nothingRead_ = false;
    // The rows keep their order while the file holds the same hotkey lines
    // (Allegro rewrote its section, say); else they are the file's, in its
    // order.
    std::vector<LineId> rows = HotkeyLinesOf(store_, carried.lines);
    bool sameRows = rows.size() == Rows().Count();
    if (sameRows) {
        std::vector<std::uint8_t> isRow(store_.Count(), 0);
        for (LineId id : Rows().Ids()) isRow[id] = 1;
        sameRows = std::all_of(rows.begin(), rows.end(), [&](LineId id) { return isRow[id]; });
    }
    if (sameRows) {
        edited_.Assign(std::move(carried.lines), Rows().Ids());
    } else {
        edited_.Assign(std::move(carried.lines), std::move(rows));
        change->list.push_back({ListChange::Replaced, RowCount()});
    }
    if (anchor_ != kNoLineId && edited_.PlaceOf(anchor_) < 0) {
        anchor_ = InsertionAnchor(store_, edited_.Lines());
    }
    if (edited_.MutableRows().MarkBoundTwice(edited_.Lines())) change->marksChanged = true;
    change->countCaption = CountCaptionOfFile();
    if (!carried.notRemoved.empty()) {
        change->box = SessionBox::NotCarried;
        for (LineId id : carried.notRemoved) change->boxKeys.emplace_back(store_[id].Key());
    }
    if (edited_.Lines() != *known_) saveDue_ = true;
}

SessionChange EditingSession::FinishJob(std::unique_ptr<FileJob> job) {
    SessionChange change;
    running_ = false;
    if (!job) return change;
    using Result = FileJob::Result;
    const bool save = job->kind == FileJob::Kind::Save;
    // env.bak keeps the file as it was before the first change the run
    // wrote, or tried to write.
    if (job->backedUp) mayBackUp_ = false;
    switch (job->result) {
        case Result::Written:
        case Result::Unchanged:
            knownStamp_ = job->stamp;
            if (!save) break;
            known_ = job->lines;
            knownCutAtZero_ = false;
            nothingRead_ = false;
            if (job->result == Result::Written) mayBackUp_ = false;
            change.countCaption = CountCaptionOfFile();
            // A shown panel's box shows the text the save wrote; a hidden
            // one's is filled when the panel opens again.
            if (panelShown_) change.contentBox = std::move(job->text);
            break;
        case Result::Changed:
            TakeChangedFile(*job, &change);
            break;
        case Result::Missing:
            // The list stays as it was; the next change writes it all.
            knownStamp_ = job->stamp;
            break;
        case Result::Unsettled:
            // A save tries again at once; a read a moment later.
            if (save) {
                saveDue_ = true;
            } else {
                change.readAgainLater = true;
            }
            break;
        case Result::Refused:
        case Result::Failed:
            if (!save) break;
            change.box = SessionBox::SaveFailed;
            change.failure = job->refusal;
            if (panelShown_) change.contentBox = std::move(job->text);
            // With no number read from a file, the count follows the list.
            if (nothingRead_) change.countCaption = CountCaption(Rows().Count());
            break;
    }
    return change;
}

}  // namespace keyloom
