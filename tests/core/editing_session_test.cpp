// The editing session on real files, without a window: every editing rule
// of the four buttons, the actions given while a save runs, and the save
// on a thread of its own (this test also runs under ThreadSanitizer).
#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "core/edit_mode.h"
#include "core/editing_session.h"
#include "core/env_text.h"
#include "core/save_worker.h"
#include "tests/core/scratch_folder.h"

namespace keyloom {
namespace {

using Rows = std::vector<HotkeyEntry>;

Rows FiveRows() {
    return {
        {"F1", "zoom fit"}, {"F2", "zoom in"}, {"F3", "pan  left"}, {"F4", "x"}, {"F5", "done"}};
}

// Carries out actions as the window does: one at a time, each save on the
// worker's thread, the next action only once the save has come back. The
// changes are kept in order.
class Driver {
public:
    explicit Driver(const std::string& env) { open = session.Open(env); }

    // Gives the actions at once, then carries them all out.
    void Run(std::vector<EditAction> actions, PanelInput input = {}) {
        for (const EditAction& action : actions) session.Give(action);
        while (auto action = session.NextAction()) {
            SessionChange change = session.Carry(*action, input);
            const bool save = change.save;
            changes.push_back(std::move(change));
            if (save) changes.push_back(SaveOnWorker());
        }
    }

    SessionChange SaveOnWorker() {
        bool done = false;
        worker.Start(session.BeginSave(), [this, &done] {
            std::lock_guard<std::mutex> lock(mutex);
            done = true;
            doneChanged.notify_one();
        });
        // The window paints meanwhile: it reads the rows the save reads.
        std::size_t painted = 0;
        for (const HotkeyEntry& row : session.Rows()) painted += row.key.size();
        EXPECT_TRUE(session.IsSaveRunning());
        EXPECT_FALSE(session.NextAction().has_value());
        {
            std::unique_lock<std::mutex> lock(mutex);
            doneChanged.wait(lock, [&done] { return done; });
        }
        return session.FinishSave(worker.Finish());
    }

    EditingSession session;
    SaveWorker worker;
    SessionChange open;
    std::vector<SessionChange> changes;
    std::mutex mutex;
    std::condition_variable doneChanged;
};

class EditingSessionTest : public ::testing::Test {
protected:
    void SetUp() override { testing::WriteBytes(env_, ComposeEnvText(FiveRows())); }
    std::string Env() const { return testing::ReadBytes(env_); }

    testing::ScratchFolder folder_;
    const std::string env_ = folder_.File("env");
};

TEST_F(EditingSessionTest, AddAndModifyOpenThePanelWithTheirCaptionsAndTheFile) {
    Driver run(env_);
    EXPECT_EQ(run.open.countCaption, "5\xB8\xF6");
    run.Run({{EditAction::Modify, 1}});
    const SessionChange& modify = run.changes.back();
    EXPECT_EQ(modify.panelShown, true);
    EXPECT_EQ(modify.groupCaption, kModifyGroupCaption);
    EXPECT_EQ(modify.confirmCaption, kModifyConfirmCaption);
    EXPECT_EQ(modify.keyBox, "F2");
    EXPECT_EQ(modify.commandBox, "zoom in");
    EXPECT_EQ(modify.contentBox, Env());
    EXPECT_EQ(modify.focus, FocusTarget::KeyBox);
    EXPECT_FALSE(modify.save);
    // A second click hides the panel, yet still opens the row it names.
    run.Run({{EditAction::Modify, 3}, {EditAction::Add, 0}});
    EXPECT_EQ(run.changes[1].panelShown, false);
    EXPECT_EQ(run.changes[1].focus, FocusTarget::HotkeyList);
    EXPECT_EQ(run.changes[1].keyBox, "F4");
    EXPECT_EQ(run.session.OpenedRowIndex(), 3);
    EXPECT_EQ(run.changes[2].panelShown, true);
    EXPECT_EQ(run.changes[2].confirmCaption, kAddConfirmCaption);
    EXPECT_FALSE(run.changes[2].keyBox.has_value());
    EXPECT_FALSE(run.session.IsModifyMode());
}

TEST_F(EditingSessionTest, NoSelectionAndBadInputShowTheirBoxAndChangeNothing) {
    Driver run(env_);
    run.Run({{EditAction::Delete, -1}, {EditAction::Modify, -1}, {EditAction::Add, 0}});
    EXPECT_EQ(run.changes[0].box, SessionBox::NoSelection);
    EXPECT_EQ(run.changes[1].box, SessionBox::NoSelection);
    EXPECT_FALSE(run.changes[1].panelShown.has_value());
    for (PanelInput input : {PanelInput{"", "x"}, PanelInput{"F9", ""}, PanelInput{"a b", "x"}}) {
        run.Run({{EditAction::Confirm}}, input);
        EXPECT_EQ(run.changes.back().box, SessionBox::InputError);
        EXPECT_TRUE(run.changes.back().list.empty());
    }
    EXPECT_TRUE(run.session.IsPanelShown());
    EXPECT_EQ(run.session.Rows(), FiveRows());
    EXPECT_EQ(Env(), ComposeEnvText(FiveRows()));
}

TEST_F(EditingSessionTest, ConfirmAppendsTrimmedOrMovesTheModifiedRowToTheEnd) {
    Driver run(env_);
    run.Run({{EditAction::Add, 0}, {EditAction::Confirm}}, {"  F9 ", " zoom out  "});
    Rows rows = FiveRows();
    rows.push_back({"F9", "zoom out"});
    EXPECT_EQ(run.session.Rows(), rows);
    const SessionChange& saved = run.changes.back();
    EXPECT_EQ(saved.countCaption, "6\xB8\xF6");
    // The panel closed with the confirm: its box is not filled.
    EXPECT_FALSE(saved.contentBox.has_value());
    EXPECT_EQ(Env(), ComposeEnvText(rows));

    run.Run({{EditAction::Modify, 0}, {EditAction::Confirm}}, {"F1", "zoom fit"});
    rows.erase(rows.begin());
    rows.push_back({"F1", "zoom fit"});
    EXPECT_EQ(run.session.Rows(), rows);
    EXPECT_EQ(run.session.OpenedRowIndex(), 5);
    EXPECT_FALSE(run.session.IsPanelShown());
}

TEST_F(EditingSessionTest, AModifiedFunckeyStaysAFunckeyAndADeletedOpenedRowIsNotReplaced) {
    testing::WriteBytes(env_, "funckey F1 zoom fit\nalias F2 zoom in\nalias F3 done\n");
    Driver run(env_);
    run.Run({{EditAction::Modify, 0}, {EditAction::Confirm}},
            {"F1", "zoom out", HotkeyVerb::Funckey});
    EXPECT_EQ(Env(), "alias F2 zoom in\nalias F3 done\nfunckey F1 zoom out\n");
    // Opened row 0 (F2), then deleted: the confirm only appends.
    run.Run({{EditAction::Modify, 0}, {EditAction::Delete, 0}, {EditAction::Confirm}}, {"F7", "x"});
    EXPECT_EQ(run.session.Rows(), (Rows{{"F3", "done"}, {"F1", "zoom out"}, {"F7", "x"}}));
    // New lines go after the last hotkey line of the head.
    EXPECT_EQ(Env(), "alias F3 done\nfunckey F1 zoom out\nalias F7 x\n");
}

TEST_F(EditingSessionTest, AddShowsAnUnchosenAliasAndModifyItsRowsVerbChosen) {
    testing::WriteBytes(env_, "funckey m move\nalias F2 zoom in\n");
    Driver run(env_);
    run.Run({{EditAction::Add, 0},
             {EditAction::Add, 0},
             {EditAction::Modify, 0},
             {EditAction::Add, 0},
             {EditAction::Modify, 1}});
    ASSERT_EQ(run.changes.size(), 5u);
    for (int add : {0, 1, 3}) {
        EXPECT_EQ(run.changes[add].verb, HotkeyVerb::Alias) << add;
        EXPECT_FALSE(run.changes[add].verbChosen) << add;
    }
    EXPECT_EQ(run.changes[2].verb, HotkeyVerb::Funckey);
    EXPECT_TRUE(run.changes[2].verbChosen);
    EXPECT_EQ(run.changes[4].verb, HotkeyVerb::Alias);
    EXPECT_TRUE(run.changes[4].verbChosen);
}

TEST_F(EditingSessionTest, TheLineIsWrittenWithThePanelsVerb) {
    testing::WriteBytes(env_, "funckey m move\nalias F2 zoom in\n");
    Driver run(env_);
    run.Run({{EditAction::Add, 0}, {EditAction::Confirm}}, {"S", "slide", HotkeyVerb::Funckey});
    EXPECT_EQ(Env(), "funckey m move\nalias F2 zoom in\nfunckey S slide\n");
    // A modify writes what the panel shows, not what its row had.
    run.Run({{EditAction::Modify, 0}, {EditAction::Confirm}}, {"m", "move", HotkeyVerb::Alias});
    EXPECT_EQ(Env(), "alias F2 zoom in\nfunckey S slide\nalias m move\n");
    run.Run({{EditAction::Modify, 0}, {EditAction::Confirm}},
            {"F2", "zoom in", HotkeyVerb::Funckey});
    EXPECT_EQ(Env(), "funckey S slide\nalias m move\nfunckey F2 zoom in\n");
}

TEST_F(EditingSessionTest, KeysBoundTwiceAreWorkedOutWithThePanelsVerb) {
    testing::WriteBytes(env_, "funckey m move\nalias F2 zoom in\n");
    Driver run(env_);
    run.Run({{EditAction::Add, 0}, {EditAction::Confirm}}, {"m", "mirror", HotkeyVerb::Alias});
    EXPECT_FALSE(run.changes.back().question.has_value());
    run.Run({{EditAction::Add, 0}, {EditAction::Confirm}}, {"m", "mirror", HotkeyVerb::Funckey});
    ASSERT_TRUE(run.changes.back().question.has_value());
    EXPECT_EQ(run.changes.back().question->command, "move");
    // 是: the funckey row goes, the alias m stays beside the new funckey m.
    ASSERT_TRUE(run.session.AnswerReplace(true).save);
    run.SaveOnWorker();
    EXPECT_EQ(Env(), "alias F2 zoom in\nalias m mirror\nfunckey m mirror\n");
}

TEST_F(EditingSessionTest, AModifyKeepingItsKeyUnderTheOtherVerbAsksWhenThatVerbBindsIt) {
    testing::WriteBytes(env_, "funckey m move\nalias m mirror\nfunckey F2 zoom in\n");
    Driver run(env_);
    run.Run({{EditAction::Modify, 0}, {EditAction::Confirm}}, {"m", "move", HotkeyVerb::Alias});
    ASSERT_TRUE(run.changes.back().question.has_value());
    EXPECT_EQ(run.changes.back().question->command, "mirror");
    ASSERT_TRUE(run.session.AnswerReplace(true).save);
    run.SaveOnWorker();
    EXPECT_EQ(Env(), "funckey F2 zoom in\nalias m move\n");
    // No other alias binds F2: the row changes its verb without a question,
    // and no row is dead.
    run.Run({{EditAction::Modify, 0}, {EditAction::Confirm}}, {"F2", "zoom in", HotkeyVerb::Alias});
    EXPECT_FALSE(run.changes[run.changes.size() - 2].question.has_value());
    EXPECT_EQ(Env(), "alias m move\nalias F2 zoom in\n");
    EXPECT_EQ(run.session.CoveringRows(), (std::vector<int>{-1, -1}));
}

TEST_F(EditingSessionTest, ADeleteWithThePanelShownFillsItsBoxWithTheSavedText) {
    Driver run(env_);
    run.Run({{EditAction::Add, 0}, {EditAction::Delete, 4}});
    const SessionChange& deleted = run.changes[1];
    ASSERT_EQ(deleted.list.size(), 1u);
    EXPECT_EQ(deleted.list[0].kind, ListChange::Deleted);
    EXPECT_EQ(deleted.list[0].row, 4);
    EXPECT_FALSE(deleted.panelShown.has_value());
    EXPECT_EQ(run.changes[2].contentBox, Env());
    EXPECT_EQ(run.changes[2].countCaption, "4\xB8\xF6");
}

TEST_F(EditingSessionTest, ARefusedSaveKeepsTheListsChangeAndTheOldCount) {
    Driver run(env_);
    // Edited by another program since the start: not the file this run read.
    testing::WriteBytes(env_, "alias Q other\n");
    run.Run({{EditAction::Delete, 0}});
    EXPECT_EQ(run.changes.back().box, SessionBox::SaveFailed);
    EXPECT_FALSE(run.changes.back().countCaption.has_value());
    EXPECT_EQ(run.session.RowCount(), 4);
    EXPECT_EQ(Env(), "alias Q other\n");
}

TEST_F(EditingSessionTest, ActionsGivenDuringASaveWaitAndRunInOrderOnTheirRows) {
    Driver run(env_);
    run.session.Give({EditAction::Delete, 0});
    SessionChange first = run.session.Carry(*run.session.NextAction());
    ASSERT_TRUE(first.save);
    std::unique_ptr<SaveJob> job = run.session.BeginSave();
    // Given meanwhile: they wait for the save.
    run.session.Give({EditAction::Delete, 0});
    run.session.Give({EditAction::ShowContent});
    run.session.Give({EditAction::Close});
    EXPECT_FALSE(run.session.NextAction().has_value());
    job->Run();
    run.session.FinishSave(std::move(job));
    run.Run({});
    EXPECT_EQ(run.session.Rows(), (Rows{{"F3", "pan  left"}, {"F4", "x"}, {"F5", "done"}}));
    ASSERT_EQ(run.changes.size(), 4u);
    EXPECT_EQ(run.changes[2].envContent, Env());
    EXPECT_TRUE(run.changes[3].close);
}

TEST_F(EditingSessionTest, ALargeFileSavesOnTheWorkerWhileTheRowsAreRead) {
    Rows rows;
    for (int i = 0; i < 20000; ++i) rows.push_back({"K" + std::to_string(i), "cmd"});
    testing::WriteBytes(env_, ComposeEnvText(rows));
    Driver run(env_);
    run.Run({{EditAction::Delete, 7},
             {EditAction::Delete, 7},
             {EditAction::Add, 0},
             {EditAction::Confirm}},
            {"N", "new"});
    rows.erase(rows.begin() + 7, rows.begin() + 9);
    rows.push_back({"N", "new"});
    EXPECT_EQ(run.session.Rows(), rows);
    EXPECT_EQ(Env(), ComposeEnvText(rows));
}

// Keys bound twice: the later line wins, as Allegro reads the file.
TEST_F(EditingSessionTest, TheLaterLineOfAKeyIsLiveInThePublishedShapes) {
    testing::WriteBytes(env_,
                        "funckey a add connectal\n"
                        "alias g0.127 replay g0127\n"
                        "funckey Home zoom fit\n"
                        "funckey a \"add connectal\"\n"
                        "alias g0.127 replay g0127\n"
                        "alias Home zoom fit\n"
                        "alias A upper\n"
                        "alias 'a' quoted\n"
                        "### User Preferences section\n"
                        "alias a tail one\n");
    Driver run(env_);
    EXPECT_EQ(run.session.CoveringRows(), (std::vector<int>{3, 4, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_TRUE(run.open.marksChanged);
}

TEST_F(EditingSessionTest, AcrossTheSectionLineTheTailWinsUntilAModifyMovesItsRowUp) {
    testing::WriteBytes(env_,
                        "alias F2 zoom out\nalias F3 x\n### User Preferences section\n"
                        "alias F2 zoom fit\n");
    Driver run(env_);
    EXPECT_EQ(run.session.CoveringRows(), (std::vector<int>{2, -1, -1}));
    // Keeping its key, the tail row is written anew in the head, after the
    // other F2: that one stays dead, and nothing is asked.
    run.Run({{EditAction::Modify, 2}, {EditAction::Confirm}}, {"F2", "zoom all"});
    EXPECT_FALSE(run.changes[1].question.has_value());
    EXPECT_EQ(Env(),
              "alias F2 zoom out\nalias F3 x\nalias F2 zoom all\n### User Preferences section\n");
    EXPECT_EQ(run.session.CoveringRows(), (std::vector<int>{2, -1, -1}));
}

TEST_F(EditingSessionTest, ConfirmingABoundKeyAsksAndYesLeavesOneLineForIt) {
    const std::string before =
        "alias F2 zoom in\nalias F3 x\n### User Preferences section\nalias F2 zoom fit\n";
    for (bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        testing::WriteBytes(env_, before);
        Driver run(env_);
        run.Run({{EditAction::Add, 0}, {EditAction::Confirm}}, {" F2", "zoom out"});
        ASSERT_TRUE(run.changes[1].question.has_value());
        // The live binding is named: the tail's.
        EXPECT_EQ(run.changes[1].question->key, "F2");
        EXPECT_EQ(run.changes[1].question->command, "zoom fit");
        EXPECT_FALSE(run.changes[1].save);
        SessionChange answer = run.session.AnswerReplace(yes);
        if (!yes) {
            EXPECT_FALSE(answer.save);
            EXPECT_EQ(answer.focus, FocusTarget::KeyBox);
            EXPECT_TRUE(run.session.IsPanelShown());
            EXPECT_EQ(run.session.RowCount(), 3);
            EXPECT_EQ(Env(), before);
            continue;
        }
        ASSERT_TRUE(answer.save);
        run.SaveOnWorker();
        EXPECT_EQ(run.session.Rows(), (Rows{{"F3", "x"}, {"F2", "zoom out"}}));
        EXPECT_EQ(Env(), "alias F3 x\nalias F2 zoom out\n### User Preferences section\n");
    }
}

TEST_F(EditingSessionTest, OnlyTheSameVerbAndTheSameBytesAsk) {
    testing::WriteBytes(env_, "funckey F2 zoom in\nalias f3 x\nalias 'F4' y\nalias F5 z\n");
    Driver run(env_);
    // An alias of a funckey's key, another case, another quoting: no pair.
    for (const char* key : {"F2", "F3", "F4"}) {
        run.Run({{EditAction::Add, 0}, {EditAction::Confirm}}, {key, "new"});
        EXPECT_FALSE(run.changes.back().question.has_value()) << key;
    }
    // A modify onto another row's key asks; one that keeps its own does not.
    run.Run({{EditAction::Modify, 0}, {EditAction::Confirm}}, {"F2", "kept", HotkeyVerb::Funckey});
    EXPECT_FALSE(run.changes.back().question.has_value());
    const int f5 = 2;
    ASSERT_EQ(run.session.Rows()[f5].key, "F5");
    run.Run({{EditAction::Modify, f5}, {EditAction::Confirm}}, {"f3", "moved"});
    EXPECT_TRUE(run.changes.back().question.has_value());
}

// The marks kept from change to change (no pass over every row when a row
// of a key of its own comes or goes) are the marks a fresh start on the
// written file works out from scratch: the rows Allegro ignores, by key
// and command, the commands all different.
TEST_F(EditingSessionTest, MarksKeptAcrossChangesAreTheMarksOfAFreshStart) {
    std::string text;
    for (int i = 0; i < 12; ++i)
        text += "alias K" + std::to_string(i % 4) + " h" + std::to_string(i) + "\n";
    text += "funckey K0 f0\n\n### User Preferences section\n";
    for (int i = 0; i < 6; ++i)
        text += "alias K" + std::to_string(i % 3) + " t" + std::to_string(i) + "\n";
    testing::WriteBytes(env_, text);
    Driver run(env_);
    auto deadRows = [](const EditingSession& session) {
        std::vector<std::string> dead;
        for (std::size_t i = 0; i < session.Rows().size(); ++i) {
            const HotkeyEntry& row = session.Rows()[i];
            if (session.CoveringRows()[i] >= 0) dead.push_back(row.key + " " + row.command);
        }
        std::sort(dead.begin(), dead.end());
        return dead;
    };
    ASSERT_FALSE(deadRows(run.session).empty());
    unsigned seed = 7;
    for (int step = 0; step < 80 && run.session.RowCount() > 0; ++step) {
        seed = seed * 1103515245u + 12345u;
        const int row = static_cast<int>((seed >> 8) % run.session.RowCount());
        const std::string command = "c" + std::to_string(step);
        const std::string ownKey = run.session.Rows()[static_cast<std::size_t>(row)].key;
        const std::string newKey = "N" + std::to_string(step);
        switch ((seed >> 16) % 4) {
            case 0:
                run.Run({{EditAction::Add, 0}, {EditAction::Confirm}}, {newKey, command});
                break;
            case 1:  // keeps its key and verb, so it moves to the end of the head
                run.Run({{EditAction::Modify, row}});
                run.Run({{EditAction::Confirm}}, {ownKey, command, *run.changes.back().verb});
                break;
            case 2:
                run.Run({{EditAction::Modify, row}, {EditAction::Confirm}}, {newKey, command});
                break;
            default:
                run.Run({{EditAction::Delete, row}});
                break;
        }
        ASSERT_FALSE(run.changes.back().question.has_value());
        Driver fresh(env_);
        ASSERT_EQ(deadRows(run.session), deadRows(fresh.session)) << "step " << step;
    }
}

}  // namespace
}  // namespace keyloom
