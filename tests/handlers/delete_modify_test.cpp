// Delete and Modify in the real window: the boxes, the panel, the rows and
// the file.
#include <windows.h>

#include "handlers/editing_state.h"
#include "tests/handlers/editing_fixture.h"
#include "window/hotkey_list.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using DeleteTest = EditingTest;
using ModifyTest = EditingTest;

TEST_F(DeleteTest, WithoutSelectionShowsTheBoxAndChangesNothing) {
    Start(FiveRows());
    SelectHotkeyRowForTest(-1);
    ClickButton("按钮_删除");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    ExpectNoSelectionBox(boxes_.Boxes()[0]);
    EXPECT_EQ(ListRows(), FiveRows());
    EXPECT_EQ(EnvBytes(), originalEnv_);
    EXPECT_EQ(Text("标签2"), "5个");
    EXPECT_EQ(Text("编辑框1"), "");
}

TEST_F(DeleteTest, RemovesTheSelectedRowAndWritesTheFile) {
    Start(FiveRows());
    SelectHotkeyRowForTest(2);
    ClickButton("按钮_删除");
    EXPECT_TRUE(boxes_.Boxes().empty());
    const Rows expected = Without(FiveRows(), {2});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
    // The panel is hidden: its box is not filled.
    EXPECT_EQ(Text("编辑框1"), "");
    EXPECT_EQ(Text("标签2"), "4个");
    // The panel stays hidden.
    EXPECT_EQ(Width(), 402);
}

TEST_F(DeleteTest, OfTheOnlyRowWritesTheSmallestFile) {
    Start({{"F2", "zoom fit"}});
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    EXPECT_TRUE(ListRows().empty());
    EXPECT_EQ(EnvBytes().size(), 518u);
    EXPECT_EQ(EnvBytes(), ComposeEnvText({}));
    EXPECT_EQ(Text("标签2"), "0个");
}

TEST_F(DeleteTest, WhileThePanelIsShownLeavesPanelBoxesAndCaptions) {
    Start(FiveRows());
    OpenForModify(1);
    Type("F2x", "edited");
    SelectHotkeyRowForTest(4);
    ClickButton("按钮_删除");
    EXPECT_EQ(Width(), 610);
    EXPECT_EQ(Text("分组框1"), "修改快捷键");
    EXPECT_EQ(Text("按钮_确认"), "确认修改");
    EXPECT_EQ(Text("编辑框2"), "F2x");
    EXPECT_EQ(Text("编辑框3"), "edited");
    // The content box shows what the save has just composed.
    const Rows expected = Without(FiveRows(), {4});
    EXPECT_EQ(Text("编辑框1"), ComposeEnvText(expected));
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
}

TEST_F(ModifyTest, WithoutSelectionShowsTheSameBoxAndChangesNothing) {
    Start(FiveRows());
    TypeInto("编辑框2", "typed");
    SelectHotkeyRowForTest(-1);
    ClickButton("按钮_修改");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    ExpectNoSelectionBox(boxes_.Boxes()[0]);
    EXPECT_EQ(Width(), 402);
    EXPECT_EQ(Text("分组框1"), "添加快捷键");
    EXPECT_EQ(Text("按钮_确认"), "确认");
    EXPECT_EQ(Text("编辑框1"), "");
    EXPECT_EQ(Text("编辑框2"), "typed");
    EXPECT_EQ(ListRows(), FiveRows());
    EXPECT_EQ(EnvBytes(), originalEnv_);
}

TEST_F(ModifyTest, WithThePanelHiddenOpensTheSelectedRow) {
    Start(FiveRows());
    OpenForModify(3);
    EXPECT_TRUE(boxes_.Boxes().empty());
    EXPECT_EQ(Width(), 610);
    EXPECT_EQ(MainWindowHeight(), 325);
    EXPECT_EQ(Text("分组框1"), "修改快捷键");
    EXPECT_EQ(Text("按钮_确认"), "确认修改");
    EXPECT_TRUE(FocusIn("编辑框2"));
    EXPECT_EQ(Text("编辑框1"), originalEnv_);
    EXPECT_EQ(Session().OpenedRowIndex(), 3);
    EXPECT_EQ(Text("编辑框2"), "F4");
    EXPECT_EQ(Text("编辑框3"), "\xB7\xC5\xB4\xF3");
    // Nothing is changed or saved.
    EXPECT_EQ(ListRows(), FiveRows());
    EXPECT_EQ(EnvBytes(), originalEnv_);
}

TEST_F(ModifyTest, CopiesTheCellsWithoutTrimming) {
    // A quoted key holds its spaces and marks; the command its inner spaces.
    StartWithBytes("alias F1 a\r\nalias ' F2 ' zoom \xA1\xA1 in\r\n");
    OpenForModify(1);
    EXPECT_EQ(Text("编辑框2"), "' F2 '");
    EXPECT_EQ(Text("编辑框3"), "zoom \xA1\xA1 in");
}

TEST_F(ModifyTest, WithThePanelShownHidesItYetStillOpensTheRow) {
    Start(FiveRows());
    OpenForModify(0);
    ASSERT_EQ(Width(), 610);
    TypeInto("编辑框2", "changed");
    // An Add in between puts the panel into add mode.
    ClickButton("按钮_添加");
    ClickButton("按钮_添加");
    ASSERT_EQ(Text("按钮_确认"), "确认添加");
    ASSERT_EQ(Width(), 610);
    OpenForModify(2);
    EXPECT_EQ(Width(), 402);
    EXPECT_EQ(Session().OpenedRowIndex(), 2);
    EXPECT_EQ(Text("分组框1"), "修改快捷键");
    EXPECT_EQ(Text("按钮_确认"), "确认修改");
    EXPECT_EQ(Text("编辑框2"), "F3");
    EXPECT_EQ(Text("编辑框3"), "pan  left");
    EXPECT_EQ(Text("编辑框1"), originalEnv_);
    // Not into the hidden panel: the list takes the keys.
    EXPECT_TRUE(FocusIn("超级列表框1"));
}

TEST_F(ModifyTest, ContentBoxStopsAtTheFirstZeroByte) {
    std::string bytes = ComposeEnvText(FiveRows());
    const std::string before = bytes;
    bytes += std::string("set after\0zero\r\n", 16);
    StartWithBytes(bytes);
    OpenForModify(0);
    EXPECT_EQ(Text("编辑框1"), before + "set after");
}

TEST_F(ModifyTest, MissingFileLeavesTheContentBoxEmptyWithoutABox) {
    Start(FiveRows());
    ASSERT_TRUE(DeleteFileA(TestEnvPath().c_str()));
    OpenForModify(1);
    EXPECT_EQ(Text("编辑框1"), "");
    EXPECT_TRUE(boxes_.Boxes().empty());
    EXPECT_EQ(Text("编辑框2"), "F2");
}

TEST_F(ModifyTest, AnotherSelectionAfterModifyDoesNotChangeTheReplacedRow) {
    Start(FiveRows());
    OpenForModify(1);
    Type("F12", "new command");
    SelectHotkeyRowForTest(3);
    ClickButton("按钮_确认");
    const Rows expected = Without(FiveRows(), {1}, {{"F12", "new command"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
}

// The opened row is followed through deletions made before the confirm.
TEST_F(ModifyTest, DeleteAboveTheOpenedRowThenConfirmReplacesTheOpenedRow) {
    Start(FiveRows());
    OpenForModify(3);
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    EXPECT_EQ(Session().OpenedRowIndex(), 2);
    Type("F4", "edited");
    ClickButton("按钮_确认");
    const Rows expected = Without(FiveRows(), {0, 3}, {{"F4", "edited"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
    EXPECT_EQ(Text("标签2"), "4个");
}

TEST_F(ModifyTest, DeleteOfTheOpenedRowThenConfirmOnlyAppends) {
    Start(FiveRows());
    OpenForModify(2);
    // The opened row is still selected: delete it.
    ClickButton("按钮_删除");
    EXPECT_EQ(Session().OpenedRowIndex(), -1);
    ClickButton("按钮_确认");
    // The boxes still hold the deleted row's texts; nothing else goes.
    const Rows expected = Without(FiveRows(), {2}, {{"F3", "pan  left"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
    EXPECT_EQ(Text("标签2"), "5个");
}

TEST_F(ModifyTest, DeletesThatMoveTheOpenedRowUpAndThenRemoveItOnlyAppend) {
    Start(FiveRows());
    OpenForModify(2);
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    EXPECT_EQ(Session().OpenedRowIndex(), 1);
    SelectHotkeyRowForTest(1);
    ClickButton("按钮_删除");
    EXPECT_EQ(Session().OpenedRowIndex(), -1);
    Type("F9", "x");
    ClickButton("按钮_确认");
    const Rows expected = Without(FiveRows(), {0, 2}, {{"F9", "x"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
}

TEST_F(ModifyTest, DeleteBelowTheOpenedRowLeavesItToBeReplaced) {
    Start(FiveRows());
    OpenForModify(1);
    SelectHotkeyRowForTest(3);
    ClickButton("按钮_删除");
    EXPECT_EQ(Session().OpenedRowIndex(), 1);
    Type("F2", "zoom out");
    ClickButton("按钮_确认");
    const Rows expected = Without(FiveRows(), {1, 3}, {{"F2", "zoom out"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
}

}  // namespace
}  // namespace keyloom::test
