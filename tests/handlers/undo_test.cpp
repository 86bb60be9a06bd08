// Undo and redo through the real window: Ctrl+Z and Ctrl+Y pressed as a
// keyboard presses them take back and do again a delete, a modify, an add
// and a 是, the file byte for byte; in the key box Ctrl+Z is the box's own;
// the list's context menu offers them, greyed when there is nothing to do.
#include <windows.h>

#include "handlers/editing_state.h"
#include "tests/handlers/editing_fixture.h"
#include "window/hotkey_list.h"
#include "window/hotkey_list_menu.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using UndoTest = EditingTest;

// LF ends, a tab, a quoted key, a key bound below the section line.
const char* const kEnv =
    "# mine\nalias\tF1 zoom fit\nfunckey ' ' \"iangle 45\"\nalias F3 x\n"
    "### User Preferences section\nalias F2 zoom previous\nset x\n";

void FocusList() {
    SetForegroundWindow(MainWindow());
    SetFocus(ControlWindow("超级列表框1"));
}

TEST_F(UndoTest, CtrlZTakesBackEveryChangeAndCtrlYDoesItAgainByteForByte) {
    boxes_.AnswerQuestionsYes(true);
    StartWithBytes(kEnv);
    const Rows original = ListRows();
    SelectHotkeyRowForTest(2);  // F3
    ClickButton("按钮_删除");
    OpenForModify(0);  // F1, its tab given up
    Type("F1", "zoom in");
    ClickButton("按钮_确认");
    ClickButton("按钮_添加");
    Type("F5", "pan");
    ClickButton("按钮_确认");
    ClickButton("按钮_添加");
    Type("F2", "zoom out");  // bound below the line: asked, 是
    ClickButton("按钮_确认");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    const std::string changed = EnvBytes();
    const Rows changedRows = ListRows();
    ASSERT_NE(changed, originalEnv_);

    FocusList();
    for (int i = 0; i < 4; ++i) PressRealKeys({VK_CONTROL, 'Z'});
    EXPECT_EQ(EnvBytes(), originalEnv_);
    EXPECT_EQ(ListRows(), original);
    // The last row brought back, F3, is selected.
    EXPECT_EQ(SelectedHotkeyRow(), 2);
    EXPECT_EQ(Text("标签2"), "4个");
    // One more does nothing.
    PressRealKeys({VK_CONTROL, 'Z'});
    EXPECT_EQ(EnvBytes(), originalEnv_);

    for (int i = 0; i < 3; ++i) PressRealKeys({VK_CONTROL, 'Y'});
    PressRealKeys({VK_CONTROL, VK_SHIFT, 'Z'});
    EXPECT_EQ(EnvBytes(), changed);
    EXPECT_EQ(ListRows(), changedRows);
}

TEST_F(UndoTest, InTheKeyBoxCtrlZUndoesTheTyping) {
    Start(FiveRows());
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    ClickButton("按钮_添加");
    HWND keyBox = ControlWindow("编辑框2");
    SetForegroundWindow(MainWindow());
    SetFocus(keyBox);
    TypeInto("编辑框2", "");
    PressRealKeys({'A'});
    ASSERT_EQ(Text("编辑框2"), "a");
    PressRealKeys({VK_CONTROL, 'Z'});
    EXPECT_EQ(Text("编辑框2"), "");
    // The delete stays.
    EXPECT_EQ(ListRows(), Without(FiveRows(), {0}));
}

// The menu's items as they were offered, and the one chosen.
std::vector<ListMenuItem> gOffered;
int gChoose = 0;
int ChooseFromMenu(const std::vector<ListMenuItem>& items, POINT) {
    gOffered = items;
    return gChoose;
}

TEST_F(UndoTest, TheListsMenuOffersTheChangesItCanTakeBackOrDoAgain) {
    const ListMenuFunction saved = gListMenuFunction;
    gListMenuFunction = ChooseFromMenu;
    Start(FiveRows());
    HWND list = ControlWindow("超级列表框1");
    auto openMenu = [&](int choose) {
        gChoose = choose;
        SendMessageA(MainWindow(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list),
                     MAKELPARAM(-1, -1));
        PumpMessages();
    };
    auto enabled = [] {
        std::string flags;
        for (const ListMenuItem& item : gOffered) flags += item.enabled ? '1' : '0';
        return flags;
    };
    // 修改, 删除, 撤销, 重做.
    openMenu(0);
    EXPECT_EQ(enabled(), "0000");
    SelectHotkeyRowForTest(1);
    openMenu(2);  // 删除
    EXPECT_EQ(enabled(), "1100");
    EXPECT_EQ(ListRows(), Without(FiveRows(), {1}));
    openMenu(3);  // 撤销
    EXPECT_EQ(enabled().substr(2), "10");
    EXPECT_EQ(ListRows(), FiveRows());
    EXPECT_EQ(EnvBytes(), originalEnv_);
    openMenu(0);
    EXPECT_EQ(enabled(), "1101");
    gListMenuFunction = saved;
}

}  // namespace
}  // namespace keyloom::test
