// Add and Confirm in the real window: the check, the modes, the rows and
// the file.
#include <windows.h>

#include "handlers/editing_state.h"
#include "tests/handlers/editing_fixture.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using AddTest = EditingTest;
using ConfirmTest = EditingTest;

TEST_F(AddTest, WithThePanelHiddenShowsItInAddMode) {
    Start(FiveRows());
    TypeInto("编辑框2", "kept");
    TypeInto("编辑框3", "also kept");
    ClickButton("按钮_添加");
    EXPECT_EQ(Width(), 610);
    EXPECT_EQ(Text("分组框1"), "添加快捷键");
    EXPECT_EQ(Text("按钮_确认"), "确认添加");
    EXPECT_EQ(Text("编辑框1"), originalEnv_);
    EXPECT_TRUE(FocusIn("编辑框2"));
    // The boxes keep what they held; nothing is changed or saved.
    EXPECT_EQ(Text("编辑框2"), "kept");
    EXPECT_EQ(Text("编辑框3"), "also kept");
    EXPECT_EQ(ListRows(), FiveRows());
    EXPECT_EQ(EnvBytes(), originalEnv_);
    EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(AddTest, WithThePanelShownHidesItYetSetsCaptionsAndContent) {
    Start(FiveRows());
    OpenForModify(0);
    ASSERT_EQ(Width(), 610);
    ClickButton("按钮_添加");
    EXPECT_EQ(Width(), 402);
    EXPECT_EQ(Text("分组框1"), "添加快捷键");
    EXPECT_EQ(Text("按钮_确认"), "确认添加");
    EXPECT_EQ(Text("编辑框1"), originalEnv_);
    EXPECT_TRUE(FocusIn("超级列表框1"));
}

TEST_F(ConfirmTest, EmptyBoxesShowTheInputErrorAndChangeNothing) {
    Start(FiveRows());
    ClickButton("按钮_添加");
    const std::pair<std::string, std::string> inputs[] = {{"", "zoom"}, {"F7", ""}, {"", ""}};
    for (const auto& [key, command] : inputs) {
        Type(key, command);
        ClickButton("按钮_确认");
    }
    ASSERT_EQ(boxes_.Boxes().size(), 3u);
    for (const RecordedBox& box : boxes_.Boxes()) ExpectInputErrorBox(box);
    EXPECT_EQ(ListRows(), FiveRows());
    EXPECT_EQ(EnvBytes(), originalEnv_);
    // The panel stays open with the user's texts and mode.
    EXPECT_EQ(Width(), 610);
    EXPECT_EQ(Text("按钮_确认"), "确认添加");
    EXPECT_EQ(Text("编辑框1"), originalEnv_);
}

TEST_F(ConfirmTest, InputTheFileCannotHoldIsRefusedLikeEmptyInput) {
    Start(FiveRows());
    OpenForModify(1);
    const std::pair<std::string, std::string> refused[] = {
        {"F7\r\nF8", "zoom"},
        {"F7", "zoom\r\nalias F8 x"},
        {"F7\n", "zoom"},
        {"F7", "zoom\rfit"},
        {"F7 F8", "zoom"},
        {" F7\xA1\xA1"
         "F8 ",
         "zoom"},
        {"F7", "source $TELENV"},
        {"F7", "x ### User Preferences section"},
        {"### User Preferences section", "x"},
        {"###", "User Preferences section"},
        {"source", "$TELENV"},
    };
    for (const auto& [key, command] : refused) {
        Type(key, command);
        ClickButton("按钮_确认");
        EXPECT_EQ(Text("编辑框2"), key);
    }
    ASSERT_EQ(boxes_.Boxes().size(), std::size(refused));
    for (const RecordedBox& box : boxes_.Boxes()) ExpectInputErrorBox(box);
    EXPECT_EQ(ListRows(), FiveRows());
    EXPECT_EQ(EnvBytes(), originalEnv_);
    EXPECT_EQ(Width(), 610);
    EXPECT_EQ(Text("按钮_确认"), "确认修改");
    EXPECT_EQ(Session().OpenedRowIndex(), 1);
}

TEST_F(ConfirmTest, KeyOfSpacesOnlyIsRefusedAndAQuotedSpaceKeyIsTaken) {
    Start(FiveRows());
    ClickButton("按钮_添加");
    Type("   ", "zoom");
    ClickButton("按钮_确认");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    ExpectInputErrorBox(boxes_.Boxes()[0]);
    EXPECT_EQ(EnvBytes(), originalEnv_);
    EXPECT_EQ(Width(), 610);
    Type(" ' ' ", "iangle 45");
    ClickButton("按钮_确认");
    EXPECT_EQ(boxes_.Boxes().size(), 1u);
    const Rows expected = Without(FiveRows(), {}, {{"' '", "iangle 45"}});
    EXPECT_EQ(ListRows(), expected);
    // The quoted Space is a key of the canvas: unless chosen otherwise, a
    // funckey line.
    std::string env = ComposeEnvText(expected);
    const std::string line = "alias ' ' iangle 45";
    ASSERT_NE(env.find(line), std::string::npos);
    env.replace(env.find(line), line.size(), "funckey ' ' iangle 45");
    EXPECT_EQ(EnvBytes(), env);
}

TEST_F(ConfirmTest, AddModeTrimsKeyAndCommandAndNarrowsTheWindow) {
    Start(FiveRows());
    ClickButton("按钮_添加");
    Type("  F7\xA1\xA1", "\xA1\xA1 zoom  in  ");
    ClickButton("按钮_确认");
    EXPECT_TRUE(boxes_.Boxes().empty());
    const Rows expected = Without(FiveRows(), {}, {{"F7", "zoom  in"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
    // The window narrows right after the save: the hidden box keeps what
    // the Add click put there.
    EXPECT_EQ(Text("编辑框1"), originalEnv_);
    EXPECT_EQ(Text("标签2"), "6个");
    EXPECT_EQ(Width(), 402);
    // Captions, mode and boxes stay as they were.
    EXPECT_EQ(Text("分组框1"), "添加快捷键");
    EXPECT_EQ(Text("按钮_确认"), "确认添加");
    EXPECT_EQ(Text("编辑框2"), "  F7\xA1\xA1");
    EXPECT_EQ(Text("编辑框3"), "\xA1\xA1 zoom  in  ");
}

TEST_F(ConfirmTest, ModifyOfTheFirstOfFiveMovesItToTheEnd) {
    Start(FiveRows());
    OpenForModify(0);
    Type("F1", "zoom out");
    ClickButton("按钮_确认");
    const Rows expected = Without(FiveRows(), {0}, {{"F1", "zoom out"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
    EXPECT_EQ(Text("标签2"), "5个");
    EXPECT_EQ(Width(), 402);
    EXPECT_EQ(Text("按钮_确认"), "确认修改");
    EXPECT_EQ(Text("分组框1"), "修改快捷键");
}

TEST_F(ConfirmTest, ModifyWithoutChangesStillMovesTheRowAndRewritesTheFile) {
    Start(FiveRows());
    OpenForModify(2);
    ClickButton("按钮_确认");
    const Rows expected = Without(FiveRows(), {2}, {FiveRows()[2]});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
    EXPECT_NE(EnvBytes(), originalEnv_);
}

TEST_F(ConfirmTest, AKeyBoundAlreadyIsAskedAboutAndNoAddsNothing) {
    Start(FiveRows());
    ClickButton("按钮_添加");
    Type("F2", "zoom out");
    ClickButton("按钮_确认");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].text, "快捷键 F2 已定义为 \"zoom in\"，替换它吗？");
    EXPECT_EQ(ListRows(), FiveRows());
    EXPECT_EQ(EnvBytes(), originalEnv_);
    EXPECT_EQ(Width(), 610);
}

TEST_F(ConfirmTest, AddAfterModifyKeepsTheOpenedTextsAndDeletesNothing) {
    Start(FiveRows());
    OpenForModify(1);
    ClickButton("按钮_添加");
    EXPECT_EQ(Text("编辑框2"), "F2");
    EXPECT_EQ(Text("编辑框3"), "zoom in");
    // In add mode the opened row is another row binding F2: asked, and 否.
    ClickButton("按钮_确认");
    EXPECT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(ListRows(), FiveRows());
    TypeInto("编辑框2", "F6");
    ClickButton("按钮_确认");
    const Rows expected = Without(FiveRows(), {}, {{"F6", "zoom in"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
}

TEST_F(ConfirmTest, WithTheFormsFirstCaptionIsAnAdd) {
    Start(FiveRows());
    ASSERT_EQ(Text("按钮_确认"), "确认");
    // Row 0 counts as opened at start; this mode deletes none.
    Type("F6", "grid");
    ClickButton("按钮_确认");
    const Rows expected = Without(FiveRows(), {}, {{"F6", "grid"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
    EXPECT_EQ(Width(), 402);
    EXPECT_EQ(Text("按钮_确认"), "确认");
}

TEST_F(ConfirmTest, ASecondConfirmInModifyModeReplacesTheEditedRowAgain) {
    // The edited hotkey stands in the appended row after a confirm, so a
    // further confirm of the same panel replaces it and no other row.
    Start(FiveRows());
    OpenForModify(0);
    Type("F1", "first edit");
    ClickButton("按钮_确认");
    EXPECT_EQ(Session().OpenedRowIndex(), 4);
    Type("F1", "second edit");
    ClickButton("按钮_确认");
    const Rows expected = Without(FiveRows(), {0}, {{"F1", "second edit"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
}

TEST_F(ConfirmTest, SaveCreatesAMissingFile) {
    ASSERT_NE(StartMainWindowWithoutEnvForTest(), nullptr);
    EXPECT_EQ(Text("标签2"), "0个");
    ClickButton("按钮_添加");
    Type("F2", "zoom fit");
    ClickButton("按钮_确认");
    EXPECT_EQ(EnvBytes(), ComposeEnvText({{"F2", "zoom fit"}}));
    EXPECT_EQ(Text("标签2"), "1个");
}

// A command pasted into the command box is taken whole, however long: the
// edit box's own limit of 30,000 characters is lifted.
TEST_F(ConfirmTest, ALongPastedCommandIsSavedWhole) {
    Start(FiveRows());
    ClickButton("按钮_添加");
    TypeInto("编辑框2", "F9");
    TypeInto("编辑框3", "");
    const std::string command(100000, 'c');
    // A paste replaces the selection as EM_REPLACESEL does, within the limit.
    SendMessageA(ControlWindow("编辑框3"), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>(command.c_str()));
    EXPECT_EQ(Text("编辑框3").size(), command.size());
    ClickButton("按钮_确认");
    EXPECT_EQ(EnvBytes(), ComposeEnvText(Without(FiveRows(), {}, {{"F9", command}})));
}

}  // namespace
}  // namespace keyloom::test
