// Another writer changes the env file while Keyloom is open, through the
// real window: the list follows the file, and a change of the user's is
// carried onto the file as it stands, so neither is lost.
#include <windows.h>

#include <string>

#include "core/save_step.h"
#include "handlers/editing_state.h"
#include "tests/handlers/editing_fixture.h"
#include "window/hotkey_list.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using OutsideChangeTest = EditingTest;

const char* const kEnv =
    "source $TELENV\r\nalias F1 a\r\nalias F2 b\r\nalias F3 c\r\n\r\n"
    "### User Preferences section\r\nset autosave_time = 10\r\n";

// Lets the window run until the list shows count rows, for at most three
// seconds; true when it did.
bool ListShowsRows(int count) {
    for (int waited = 0; waited < 3000; waited += 50) {
        if (HotkeyRowCount() == count) return true;
        PumpMessagesFor(50);
    }
    return HotkeyRowCount() == count;
}

TEST_F(OutsideChangeTest, ALineAddedInAnEditorIsListedAndADeleteKeepsIt) {
    StartWithBytes(kEnv);
    ASSERT_TRUE(WriteFileBytes(TestEnvPath(),
                               "source $TELENV\r\nalias F1 a\r\nalias F9 mine\r\nalias F2 b\r\n"
                               "alias F3 c\r\n\r\n### User Preferences section\r\n"
                               "set autosave_time = 10\r\n"));
    ASSERT_TRUE(ListShowsRows(4));
    EXPECT_EQ(ListRows(), (Rows{{"F1", "a"}, {"F9", "mine"}, {"F2", "b"}, {"F3", "c"}}));
    EXPECT_EQ(Text("标签2"), "4个");
    SelectHotkeyRowForTest(3);
    ClickButton("按钮_删除");
    EXPECT_EQ(EnvBytes(),
              "source $TELENV\r\nalias F1 a\r\nalias F9 mine\r\nalias F2 b\r\n\r\n"
              "### User Preferences section\r\nset autosave_time = 10\r\n");
    EXPECT_TRUE(boxes_.Boxes().empty());
}

// Allegro renames env to env,1 and writes a new env with its section
// changed: nothing changes on the screen, and a delete keeps the section.
TEST_F(OutsideChangeTest, AllegrosRewriteThenADelete) {
    StartWithBytes(kEnv);
    SelectHotkeyRowForTest(1);
    ASSERT_TRUE(MoveFileA(TestEnvPath().c_str(), (TestEnvPath() + ",1").c_str()));
    const std::string rewritten =
        "source $TELENV\r\nalias F1 a\r\nalias F2 b\r\nalias F3 c\r\n\r\n"
        "### User Preferences section\r\nset autosave_time = 5\r\nset new_setting\r\n";
    ASSERT_TRUE(WriteFileBytes(TestEnvPath(), rewritten));
    PumpMessagesFor(600);
    EXPECT_EQ(ListRows(), (Rows{{"F1", "a"}, {"F2", "b"}, {"F3", "c"}}));
    EXPECT_EQ(SelectedHotkeyRow(), 1);
    ClickButton("按钮_删除");
    EXPECT_EQ(EnvBytes(),
              "source $TELENV\r\nalias F1 a\r\nalias F3 c\r\n\r\n"
              "### User Preferences section\r\nset autosave_time = 5\r\nset new_setting\r\n");
    EXPECT_EQ(ReadFileBytes(TestEnvPath() + ",1"), kEnv);
    DeleteFileA((TestEnvPath() + ",1").c_str());
}

// The row opened for 修改 is removed in an editor: the confirm adds the
// hotkey as a new row, and nothing fails.
TEST_F(OutsideChangeTest, AModifiedRowRemovedOnDiskIsAddedByItsConfirm) {
    StartWithBytes(kEnv);
    OpenForModify(2);
    ASSERT_TRUE(WriteFileBytes(TestEnvPath(),
                               "source $TELENV\r\nalias F1 a\r\nalias F2 b\r\n\r\n"
                               "### User Preferences section\r\nset autosave_time = 10\r\n"));
    ASSERT_TRUE(ListShowsRows(2));
    // The panel keeps what the user typed.
    Type("F3", "changed");
    ClickButton("按钮_确认");
    EXPECT_EQ(ListRows(), (Rows{{"F1", "a"}, {"F2", "b"}, {"F3", "changed"}}));
    EXPECT_EQ(EnvBytes(),
              "source $TELENV\r\nalias F1 a\r\nalias F2 b\r\nalias F3 changed\r\n\r\n"
              "### User Preferences section\r\nset autosave_time = 10\r\n");
    EXPECT_TRUE(boxes_.Boxes().empty());
}

// A line removed on disk between the save's read and its replace (driven
// through the save's steps): both changes are in the file.
TEST_F(OutsideChangeTest, ALineRemovedRightBeforeADeleteOfAnotherRowKeepsBoth) {
    StartWithBytes(kEnv);
    static bool written;
    written = false;
    fileos::gSaveStepHook = [](fileos::SaveStep step) {
        if (step != fileos::SaveStep::kTemporaryClosed || written) return;
        written = true;
        WriteFileBytes(TestEnvPath(),
                       "source $TELENV\r\nalias F1 a\r\nalias F3 c\r\n\r\n"
                       "### User Preferences section\r\nset autosave_time = 10\r\n");
    };
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    fileos::gSaveStepHook = nullptr;
    ASSERT_TRUE(written);
    EXPECT_EQ(EnvBytes(),
              "source $TELENV\r\nalias F3 c\r\n\r\n"
              "### User Preferences section\r\nset autosave_time = 10\r\n");
    EXPECT_EQ(ListRows(), (Rows{{"F3", "c"}}));
    EXPECT_TRUE(boxes_.Boxes().empty());
}

// The file removed and not back: the list stays, and the next change
// writes all of it that this run read, with the change.
TEST_F(OutsideChangeTest, AFileRemovedThenAChangeWritesItAllBack) {
    StartWithBytes(kEnv);
    ASSERT_TRUE(DeleteFileA(TestEnvPath().c_str()));
    PumpMessagesFor(1500);
    EXPECT_EQ(HotkeyRowCount(), 3);
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    EXPECT_EQ(EnvBytes(),
              "source $TELENV\r\nalias F2 b\r\nalias F3 c\r\n\r\n"
              "### User Preferences section\r\nset autosave_time = 10\r\n");
    EXPECT_TRUE(boxes_.Boxes().empty());
}

}  // namespace
}  // namespace keyloom::test
