// The editing session on real files, without a window: the editing rules
// of the buttons, changes made while a save runs on another thread (this
// test also runs under ThreadSanitizer), keys bound twice, undo and redo,
// and the file changed by another writer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "core/edit_mode.h"
#include "core/editing_session.h"
#include "core/env_text.h"
#include "core/save_step.h"
#include "tests/core/env_shapes.h"
#include "tests/core/scratch_folder.h"
#include "tests/core/session_run.h"

namespace keyloom {
namespace {

using testing::Rows;
using testing::SessionRun;

Rows FiveRows() {
    return {
        {"F1", "zoom fit"}, {"F2", "zoom in"}, {"F3", "pan  left"}, {"F4", "x"}, {"F5", "done"}};
}

void PrintTo(const HotkeyEntry& entry, std::ostream* out) {
    *out << "{'" << entry.key << "', '" << entry.command << "'}";
}

class EditingSessionTest : public ::testing::Test {
protected:
    void SetUp() override { Write(ComposeEnvText(FiveRows())); }
    void Write(const std::string& bytes) { testing::WriteBytes(env_, bytes); }
    std::string Env() const { return testing::ReadBytes(env_); }

    testing::ScratchFolder folder_;
    const std::string env_ = folder_.File("env");
};

TEST_F(EditingSessionTest, AddAndModifyOpenThePanelWithTheirCaptionsAndTheFile) {
    SessionRun run(env_);
    EXPECT_EQ(run.open.countCaption, "5\xB8\xF6");
    const SessionChange modify = run.Modify(1);
    EXPECT_EQ(modify.panelShown, true);
    EXPECT_EQ(modify.groupCaption, kModifyGroupCaption);
    EXPECT_EQ(modify.confirmCaption, kModifyConfirmCaption);
    EXPECT_EQ(modify.keyBox, "F2");
    EXPECT_EQ(modify.commandBox, "zoom in");
    EXPECT_EQ(modify.contentBox, Env());
    EXPECT_EQ(modify.focus, FocusTarget::KeyBox);
    EXPECT_EQ(modify.verb, HotkeyVerb::Alias);
    EXPECT_TRUE(modify.verbChosen);
    // A second click hides the panel, yet still opens the row it names.
    const SessionChange again = run.Modify(3);
    EXPECT_EQ(again.panelShown, false);
    EXPECT_EQ(again.focus, FocusTarget::HotkeyList);
    EXPECT_EQ(again.keyBox, "F4");
    EXPECT_EQ(run.session.OpenedRowIndex(), 3);
    const SessionChange add = run.Add();
    EXPECT_EQ(add.panelShown, true);
    EXPECT_EQ(add.confirmCaption, kAddConfirmCaption);
    EXPECT_FALSE(add.keyBox.has_value());
    EXPECT_FALSE(add.verbChosen);
    EXPECT_FALSE(run.session.IsModifyMode());
    EXPECT_TRUE(run.jobChanges.empty());
}

TEST_F(EditingSessionTest, NoSelectionAndBadInputShowTheirBoxAndChangeNothing) {
    SessionRun run(env_);
    EXPECT_EQ(run.Delete(-1).box, SessionBox::NoSelection);
    const SessionChange modify = run.Modify(5);
    EXPECT_EQ(modify.box, SessionBox::NoSelection);
    EXPECT_FALSE(modify.panelShown.has_value());
    run.Add();
    for (PanelInput input : {PanelInput{"", "x"}, PanelInput{"F9", ""}, PanelInput{"a b", "x"}}) {
        const SessionChange confirm = run.session.Confirm(input);
        EXPECT_EQ(confirm.box, SessionBox::InputError);
        EXPECT_TRUE(confirm.list.empty());
    }
    EXPECT_TRUE(run.session.IsPanelShown());
    EXPECT_TRUE(run.session.IsIdle());
    EXPECT_EQ(run.ListRows(), FiveRows());
    EXPECT_EQ(Env(), ComposeEnvText(FiveRows()));
}

TEST_F(EditingSessionTest, ConfirmAppendsTrimmedOrMovesTheModifiedRowToTheEnd) {
    SessionRun run(env_);
    run.AddHotkey("  F9 ", " zoom out  ");
    Rows rows = FiveRows();
    rows.push_back({"F9", "zoom out"});
    EXPECT_EQ(run.ListRows(), rows);
    const SessionChange& saved = run.jobChanges.back();
    EXPECT_EQ(saved.countCaption, "6\xB8\xF6");
    // The panel closed with the confirm: its box is not filled.
    EXPECT_FALSE(saved.contentBox.has_value());
    EXPECT_EQ(Env(), ComposeEnvText(rows));

    run.ModifyRow(0, "F1", "zoom fit");
    rows.erase(rows.begin());
    rows.push_back({"F1", "zoom fit"});
    EXPECT_EQ(run.ListRows(), rows);
    EXPECT_EQ(run.session.OpenedRowIndex(), 5);
    EXPECT_FALSE(run.session.IsPanelShown());
    EXPECT_EQ(Env(), ComposeEnvText(rows));
}

TEST_F(EditingSessionTest, AModifiedFunckeyStaysAFunckeyAndADeletedOpenedRowIsNotReplaced) {
    Write("funckey F1 zoom fit\nalias F2 zoom in\nalias F3 done\n");
    SessionRun run(env_);
    run.ModifyRow(0, "F1", "zoom out");
    EXPECT_EQ(Env(), "alias F2 zoom in\nalias F3 done\nfunckey F1 zoom out\n");
    // Opened row 0 (F2), then deleted: the confirm only appends.
    run.Modify(0);
    run.Delete(0);
    run.Confirm("F7", "x");
    EXPECT_EQ(run.ListRows(), (Rows{{"F3", "done"}, {"F1", "zoom out"}, {"F7", "x"}}));
    // New lines go after the last hotkey line of the head; a chosen verb
    // is the one written.
    EXPECT_EQ(Env(), "alias F3 done\nfunckey F1 zoom out\nalias F7 x\n");
    run.AddHotkey("m", "move", HotkeyVerb::Funckey);
    EXPECT_EQ(Env(), "alias F3 done\nfunckey F1 zoom out\nalias F7 x\nfunckey m move\n");
}

// The verb the panel shows is the written line's, and keys bound twice are
// worked out with it: a funckey and an alias of one key are two bindings.
TEST_F(EditingSessionTest, TheLineIsWrittenWithThePanelsVerb) {
    Write("funckey m move\nalias F2 zoom in\n");
    SessionRun run(env_);
    EXPECT_FALSE(run.AddHotkey("m", "mirror", HotkeyVerb::Alias).question.has_value());
    EXPECT_EQ(Env(), "funckey m move\nalias F2 zoom in\nalias m mirror\n");
    // A modify writes the verb the panel shows, not its row's.
    run.session.Modify(1);
    run.Confirm("F2", "zoom in", HotkeyVerb::Funckey);
    EXPECT_EQ(Env(), "funckey m move\nalias m mirror\nfunckey F2 zoom in\n");
    // Keeping its key under the other verb asks when that verb binds it.
    const SessionChange modify = [&] {
        run.session.Modify(0);
        return run.Confirm("m", "move", HotkeyVerb::Alias);
    }();
    ASSERT_TRUE(modify.question.has_value());
    EXPECT_EQ(modify.question->command, "mirror");
    EXPECT_EQ(Env(), "funckey F2 zoom in\nalias m move\n");
    EXPECT_TRUE(run.DeadRows().empty());
}

TEST_F(EditingSessionTest, ADeleteWithThePanelShownFillsItsBoxWithTheSavedText) {
    SessionRun run(env_);
    run.Add();
    const SessionChange deleted = run.Delete(4);
    ASSERT_EQ(deleted.list.size(), 1u);
    EXPECT_EQ(deleted.list[0].kind, ListChange::Deleted);
    EXPECT_EQ(deleted.list[0].row, 4);
    EXPECT_FALSE(deleted.panelShown.has_value());
    EXPECT_EQ(run.jobChanges.back().contentBox, Env());
    EXPECT_EQ(run.jobChanges.back().countCaption, "4\xB8\xF6");
}

// Clicks given while a save runs act at once on the rows the list shows;
// the save writes the rows as they stood when it began, while the changes
// go on in a copy; one save more writes the rest, and the file ends as the
// list shows. The save runs on a thread of its own meanwhile.
TEST_F(EditingSessionTest, ChangesDuringASaveActAtOnceAndTheFileEndsAsTheListShows) {
    Rows rows;
    for (int i = 0; i < 3000; ++i) rows.push_back({"K" + std::to_string(i), "cmd"});
    Write(ComposeEnvText(rows));
    SessionRun run(env_);
    Rows shown = rows;
    auto deleteShown = [&](int row) {
        ASSERT_EQ(run.ListRows()[static_cast<std::size_t>(row)], shown[row]);
        run.session.Delete(row);
        shown.erase(shown.begin() + row);
        EXPECT_EQ(run.ListRows(), shown);
    };
    deleteShown(5);
    std::unique_ptr<FileJob> first = run.session.NextJob();
    ASSERT_TRUE(first);
    const Rows firstRows = shown;
    std::thread saving([&first] { RunFileJob(*first); });
    // Ascending, descending, one place again and again, and a modify,
    // while the save runs on its thread.
    for (int row : {10, 20, 400, 300, 7, 7, 7}) deleteShown(row);
    EXPECT_FALSE(run.session.NextJob());
    run.session.Modify(100);
    const std::string key = shown[100].key;
    run.session.Confirm({key, "changed"});
    shown.erase(shown.begin() + 100);
    shown.push_back({key, "changed"});
    EXPECT_EQ(run.ListRows(), shown);
    saving.join();
    // What the first save wrote is the list as it stood when it began.
    EXPECT_EQ(first->text, ComposeEnvText(firstRows));
    EXPECT_EQ(Env(), ComposeEnvText(firstRows));
    run.session.FinishJob(std::move(first));
    // One save more, and no other: it writes the list as it stands.
    std::unique_ptr<FileJob> second = run.session.NextJob();
    ASSERT_TRUE(second);
    testing::RunOnThread(*second);
    run.session.FinishJob(std::move(second));
    EXPECT_FALSE(run.session.NextJob());
    EXPECT_EQ(Env(), ComposeEnvText(shown));
    EXPECT_FALSE(run.session.HasUnwrittenChange());
}

// Keys bound twice: the later line wins, as Allegro reads the file.
TEST_F(EditingSessionTest, TheLaterLineOfAKeyIsLiveInThePublishedShapes) {
    Write(
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
    SessionRun run(env_);
    EXPECT_EQ(run.DeadRows(), (std::vector<std::string>{"a add connectal", "g0.127 replay g0127"}));
    EXPECT_TRUE(run.session.Rows().IsDead(0));
    EXPECT_FALSE(run.session.Rows().IsDead(4));
}

TEST_F(EditingSessionTest, AcrossTheSectionLineTheTailWinsUntilAModifyMovesItsRowUp) {
    Write("alias F2 zoom out\nalias F3 x\n### User Preferences section\nalias F2 zoom fit\n");
    SessionRun run(env_);
    EXPECT_EQ(run.DeadRows(), (std::vector<std::string>{"F2 zoom out"}));
    // Keeping its key, the tail row is written anew in the head, after the
    // other F2: that one stays dead, and nothing is asked.
    const SessionChange modify = run.ModifyRow(2, "F2", "zoom all");
    EXPECT_FALSE(modify.question.has_value());
    EXPECT_EQ(Env(),
              "alias F2 zoom out\nalias F3 x\nalias F2 zoom all\n### User Preferences section\n");
    EXPECT_EQ(run.DeadRows(), (std::vector<std::string>{"F2 zoom out"}));
}

TEST_F(EditingSessionTest, ConfirmingABoundKeyAsksAndYesLeavesOneLineForIt) {
    const std::string before =
        "alias F2 zoom in\nalias F3 x\n### User Preferences section\nalias F2 zoom fit\n";
    for (bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        Write(before);
        SessionRun run(env_);
        run.Add();
        const SessionChange answer = run.Confirm(" F2", "zoom out", std::nullopt, yes);
        ASSERT_TRUE(answer.question.has_value());
        // The live binding is named: the tail's.
        EXPECT_EQ(answer.question->key, "F2");
        EXPECT_EQ(answer.question->command, "zoom fit");
        if (!yes) {
            EXPECT_EQ(answer.focus, FocusTarget::KeyBox);
            EXPECT_TRUE(run.session.IsPanelShown());
            EXPECT_EQ(run.session.RowCount(), 3);
            EXPECT_EQ(Env(), before);
            continue;
        }
        EXPECT_EQ(run.ListRows(), (Rows{{"F3", "x"}, {"F2", "zoom out"}}));
        EXPECT_EQ(Env(), "alias F3 x\nalias F2 zoom out\n### User Preferences section\n");
    }
}

TEST_F(EditingSessionTest, OnlyTheSameVerbAndTheSameBytesAsk) {
    Write("funckey F2 zoom in\nalias f3 x\nalias 'F4' y\nalias F5 z\n");
    SessionRun run(env_);
    // An alias of a funckey's key, another case, another quoting: no pair.
    for (const char* key : {"F2", "F3", "F4"}) {
        EXPECT_FALSE(run.AddHotkey(key, "new").question.has_value()) << key;
    }
    // The same key as a funckey asks.
    EXPECT_TRUE(run.AddHotkey("F2", "again", HotkeyVerb::Funckey).question.has_value());
    // A modify onto another row's key asks; one that keeps its own does not.
    EXPECT_FALSE(run.ModifyRow(0, "f3", "kept").question.has_value());
    EXPECT_EQ(run.ListRows()[0].key, "'F4'");
    EXPECT_TRUE(run.ModifyRow(0, "F5", "moved").question.has_value());
}

// The marks after every change are the marks a fresh start on the written
// file works out: the rows Allegro ignores, by key and command.
TEST_F(EditingSessionTest, MarksAfterChangesAreTheMarksOfAFreshStart) {
    std::string text;
    for (int i = 0; i < 12; ++i)
        text += "alias K" + std::to_string(i % 4) + " h" + std::to_string(i) + "\n";
    text += "funckey K0 f0\n\n### User Preferences section\n";
    for (int i = 0; i < 6; ++i)
        text += "alias K" + std::to_string(i % 3) + " t" + std::to_string(i) + "\n";
    Write(text);
    SessionRun run(env_);
    ASSERT_FALSE(run.DeadRows().empty());
    unsigned seed = 7;
    for (int step = 0; step < 40 && run.session.RowCount() > 0; ++step) {
        seed = seed * 1103515245u + 12345u;
        const int row = static_cast<int>((seed >> 8) % run.session.RowCount());
        const std::string command = "c" + std::to_string(step);
        const std::string ownKey = run.ListRows()[static_cast<std::size_t>(row)].key;
        const std::string newKey = "N" + std::to_string(step);
        switch ((seed >> 16) % 5) {
            case 0:
                run.AddHotkey(newKey, command);
                break;
            case 1:  // keeps its key, so it moves to the end of the head
                run.ModifyRow(row, ownKey, command);
                break;
            case 2:
                run.ModifyRow(row, newKey, command);
                break;
            case 3:
                run.Undo();
                break;
            default:
                run.Delete(row);
                break;
        }
        ASSERT_EQ(run.DeadRows(), SessionRun(env_).DeadRows()) << "step " << step;
    }
}

// Up to 50 random changes on the shapes users keep (LF ends, tabs, quoted
// keys, hotkeys below the section line, keys bound twice): undoing them all
// gives back the rows and the file byte for byte; doing them all again
// gives back the file as it was after the last one.
TEST_F(EditingSessionTest, UndoingEveryChangeGivesBackTheFileByteForByte) {
    std::vector<testing::EnvShape> shapes = testing::EnvShapes();
    shapes.push_back({"tabs, quotes, bound twice, no last line end",
                      "alias\tF2\tzoom fit\nfunckey ' ' \"iangle 45\"\nalias  F3 a\n"
                      "alias F2 zoom in\n### User Preferences section\nalias F3 tail\nset x",
                      {},
                      0,
                      0,
                      "",
                      {},
                      {}});
    unsigned seed = 2026;
    for (const testing::EnvShape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        for (int trial = 0; trial < 2; ++trial) {
            Write(shape.text);
            SessionRun run(env_);
            // The saves of many changes go together: what is checked is
            // what the file holds at each end.
            run.settleEach = false;
            const Rows original = run.ListRows();
            const int changes = 1 + static_cast<int>(seed % 50);
            for (int i = 0; i < changes; ++i) {
                seed = seed * 1103515245u + 12345u;
                const int count = run.session.RowCount();
                const int row = count > 0 ? static_cast<int>((seed >> 8) % count) : -1;
                const std::string key = "K" + std::to_string((seed >> 4) % 7);
                switch ((seed >> 16) % 4) {
                    case 0:
                        run.AddHotkey(key, "c" + std::to_string(i),
                                      (seed >> 20) % 2 ? HotkeyVerb::Funckey : HotkeyVerb::Alias);
                        break;
                    case 1:
                        if (row >= 0) run.ModifyRow(row, key, "m" + std::to_string(i));
                        break;
                    default:
                        if (row >= 0) run.Delete(row);
                        break;
                }
            }
            run.Settle();
            const std::string after = Env();
            int undone = 0;
            while (run.session.CanUndo()) {
                EXPECT_EQ(run.Undo().box, SessionBox::None);
                ++undone;
            }
            run.Settle();
            EXPECT_EQ(run.ListRows(), original);
            EXPECT_EQ(Env(), shape.text);
            while (run.session.CanRedo()) run.Redo();
            run.Settle();
            EXPECT_EQ(Env(), after);
            // The history holds the steps, not copies of the rows.
            EXPECT_LT(run.session.HistoryBytes(), 1024u * static_cast<unsigned>(undone + 1));
        }
    }
}

// Another writer changed the file: the list follows it, the selection and
// the opened row stay on their hotkeys, and the user's change is carried
// onto the file as it stands.
TEST_F(EditingSessionTest, TheListFollowsAnotherWritersChange) {
    Write("alias F1 a\nalias F2 b\nalias F3 c\n### User Preferences section\nset x\n");
    SessionRun run(env_);
    const LineId f3 = run.session.RowLine(2);
    run.Modify(1);
    // A section written anew changes nothing on the screen.
    Write("alias F1 a\nalias F2 b\nalias F3 c\n### User Preferences section\nset y\n");
    run.session.ReadFileAgain();
    run.Settle();
    EXPECT_TRUE(run.jobChanges.back().list.empty());
    EXPECT_EQ(run.jobChanges.back().box, SessionBox::None);
    // A line added in an editor: shown in file order, the rows keep their
    // names, the opened row stays opened.
    Write("alias F0 z\nalias F1 a\nalias F2 b\nalias F3 c\n### User Preferences section\nset y\n");
    run.session.ReadFileAgain();
    run.Settle();
    EXPECT_EQ(run.ListRows(), (Rows{{"F0", "z"}, {"F1", "a"}, {"F2", "b"}, {"F3", "c"}}));
    EXPECT_EQ(run.session.RowOfLine(f3), 3);
    EXPECT_EQ(run.session.OpenedRowIndex(), 2);
    EXPECT_EQ(run.jobChanges.back().countCaption, "4\xB8\xF6");
    // The opened row's line removed in the editor: the confirm adds.
    Write("alias F0 z\nalias F1 a\nalias F3 c\n### User Preferences section\nset y\n");
    run.session.ReadFileAgain();
    run.Settle();
    EXPECT_EQ(run.session.OpenedRowIndex(), -1);
    run.Confirm("F2", "new");
    EXPECT_EQ(run.jobChanges.back().box, SessionBox::None);
    EXPECT_EQ(Env(),
              "alias F0 z\nalias F1 a\nalias F3 c\nalias F2 new\n### User Preferences section\n"
              "set y\n");
    // A line removed on disk right before a delete of another row (F3, as
    // the list still shows F0 above it): both.
    Write("alias F1 a\nalias F3 c\nalias F2 new\n### User Preferences section\nset y\n");
    ASSERT_EQ(run.ListRows()[2].key, "F3");
    run.Delete(2);
    EXPECT_EQ(Env(), "alias F1 a\nalias F2 new\n### User Preferences section\nset y\n");
    // A delete of a row whose line is gone already: nothing written, the
    // list reloaded, and the user told.
    Write("alias F1 a\n### User Preferences section\nset y\n");
    run.Delete(1);
    EXPECT_EQ(run.jobChanges.back().box, SessionBox::NotCarried);
    EXPECT_EQ(run.jobChanges.back().boxKeys, (std::vector<std::string>{"F2"}));
    EXPECT_EQ(run.ListRows(), (Rows{{"F1", "a"}}));
    EXPECT_EQ(Env(), "alias F1 a\n### User Preferences section\nset y\n");
}

// Another writer between a save's read and its replace: the save finds the
// file changed right before it would put its own in place, writes nothing
// over it, and the next save carries the change onto what they wrote.
TEST_F(EditingSessionTest, AWriterBetweenTheSavesReadAndItsReplaceKeepsBothChanges) {
    Write("alias F1 a\nalias F2 b\nalias F3 c\n");
    SessionRun run(env_);
    static std::string path;
    static bool written;
    path = env_;
    written = false;
    fileos::gSaveStepHook = [](fileos::SaveStep step) {
        if (step != fileos::SaveStep::kTemporaryClosed || written) return;
        written = true;
        testing::WriteBytes(path, "alias F1 a\nalias F3 c\n");
    };
    run.Delete(0);
    fileos::gSaveStepHook = nullptr;
    ASSERT_TRUE(written);
    EXPECT_EQ(Env(), "alias F3 c\n");
    EXPECT_EQ(run.ListRows(), (Rows{{"F3", "c"}}));
    for (const SessionChange& change : run.jobChanges) EXPECT_EQ(change.box, SessionBox::None);
}

// An undo whose line another writer removed meanwhile says so; one whose
// neighbours are gone still puts the hotkey back.
TEST_F(EditingSessionTest, AnUndoAfterAnotherWritersChangeIsCarriedOntoTheFile) {
    Write("alias F1 a\nalias F2 b\nalias F3 c\n");
    SessionRun run(env_);
    run.AddHotkey("F4", "d");
    run.Delete(1);
    Write("alias F1 a\nalias F3 c\nalias F4 d\nalias F9 theirs\n");
    run.session.ReadFileAgain();
    run.Settle();
    // F2's neighbours are there: it comes back where it was.
    EXPECT_EQ(run.Undo().box, SessionBox::None);
    EXPECT_EQ(Env(), "alias F1 a\nalias F2 b\nalias F3 c\nalias F4 d\nalias F9 theirs\n");
    Write("alias F1 a\nalias F2 b\nalias F3 c\nalias F9 theirs\n");
    run.session.ReadFileAgain();
    run.Settle();
    // The added F4 is gone already: nothing to take back, and it says so.
    const SessionChange undo = run.Undo();
    EXPECT_EQ(undo.box, SessionBox::NotRestored);
    EXPECT_EQ(undo.boxKeys, (std::vector<std::string>{"F4"}));
    EXPECT_EQ(Env(), "alias F1 a\nalias F2 b\nalias F3 c\nalias F9 theirs\n");
}

}  // namespace
}  // namespace keyloom
