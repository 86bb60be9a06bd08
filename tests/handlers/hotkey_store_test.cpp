// The rows live in the program's memory and the list asks for what it
// paints: deleting, appending and replacing rows must keep the selection,
// the opened row and the scrolled place as a list of its own rows would,
// the list must show exactly the stored texts, and a close must still
// wait for a long save.
#include <windows.h>

#include <commctrl.h>

#include "handlers/editing_state.h"
#include "tests/handlers/editing_fixture.h"
#include "window/controls/control_ids.h"
#include "window/hotkey_list.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using HotkeyStoreTest = EditingTest;

HWND List() {
    return ControlWindow(kHotkeyList);
}

int FocusedRow() {
    return static_cast<int>(
        SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

// A cell as the list itself gives it, into a buffer of this many bytes.
std::string ShownCell(int row, int column, int capacity = 512) {
    std::vector<char> buffer(static_cast<std::size_t>(capacity), '\x7F');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = capacity;
    const LRESULT length =
        SendMessageA(List(), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return std::string(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

Rows ManyRows(int count) {
    Rows rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back({"K" + std::to_string(i), "zoom in " + std::to_string(i)});
    }
    return rows;
}

TEST_F(HotkeyStoreTest, DeletingTheFirstMiddleOrLastRowKeepsSelectionAndOpenedRowRight) {
    for (const int deleted : {0, 2, 4}) {
        SCOPED_TRACE(deleted);
        Start(FiveRows());
        OpenForModify(2);  // the opened row: F3
        SelectHotkeyRowForTest(deleted);
        ClickButton("按钮_删除");
        EXPECT_EQ(ListRows(), Without(FiveRows(), {deleted}));
        // The deleted row was the selected one: no row is selected, and
        // the focus stays at its place, as in a list of the control's own.
        EXPECT_EQ(SelectedHotkeyRow(), -1);
        EXPECT_EQ(FocusedRow(), std::min(deleted, 3));
        EXPECT_EQ(Session().OpenedRowIndex(), deleted < 2 ? 1 : deleted == 2 ? -1 : 2);
        // The confirm replaces the opened row wherever it went.
        ClickButton("按钮_确认");
        const Rows expected = deleted == 2
                                  ? Without(FiveRows(), {2}, {{"F3", "pan  left"}})
                                  : Without(FiveRows(), {deleted, 2}, {{"F3", "pan  left"}});
        EXPECT_EQ(ListRows(), expected);
        EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
        CloseMainWindowForTest();
    }
}

TEST_F(HotkeyStoreTest, ReplacingTheOpenedRowMovesTheSelectionOfARowBelowWithIt) {
    Start(FiveRows());
    OpenForModify(1);
    SelectHotkeyRowForTest(3);  // F4
    ClickButton("按钮_确认");
    EXPECT_EQ(SelectedHotkeyRow(), 2);
    EXPECT_EQ(HotkeyCell(2, 0), "F4");
    EXPECT_EQ(ShownCell(4, 0), "F2");
}

TEST_F(HotkeyStoreTest, AddAndModifyAtTheEndOfAScrolledListKeepItsPlace) {
    const Rows rows = ManyRows(400);
    Start(rows);
    SendMessageA(List(), LVM_ENSUREVISIBLE, 399, FALSE);
    PumpMessages();
    const LRESULT top = SendMessageA(List(), LVM_GETTOPINDEX, 0, 0);
    ASSERT_GT(top, 300);
    ClickButton("按钮_添加");
    Type("K400", "added");
    ClickButton("按钮_确认");
    OpenForModify(399);
    Type("K399", "modified");
    ClickButton("按钮_确认");
    EXPECT_EQ(SendMessageA(List(), LVM_GETTOPINDEX, 0, 0), top);
    EXPECT_EQ(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0), 401);
    EXPECT_EQ(ShownCell(399, 0), "K400");
    EXPECT_EQ(ShownCell(400, 1), "modified");
    EXPECT_EQ(Text("标签2"), "401个");
    EXPECT_EQ(EnvBytes(),
              ComposeEnvText(Without(rows, {399}, {{"K400", "added"}, {"K399", "modified"}})));
}

TEST_F(HotkeyStoreTest, TheListShowsTheStoredTextsAndNeverCutsACharacter) {
    // 放大 repeated: a cell longer than any buffer the list paints with.
    std::string command;
    for (int i = 0; i < 300; ++i) command += "\xB7\xC5\xB4\xF3";
    Start({{"F2", "zoom fit"}, {"F3", command}});
    EXPECT_EQ(ShownCell(0, 0), "F2");
    EXPECT_EQ(ShownCell(0, 1), "zoom fit");
    EXPECT_EQ(ShownCell(1, 1, 2000), command);
    // Room for 9 bytes: four whole characters, not half of a fifth.
    EXPECT_EQ(ShownCell(1, 1, 10), command.substr(0, 8));
    EXPECT_EQ(ShownCell(2, 0), "");
}

TEST_F(HotkeyStoreTest, TypingAKeysFirstLettersSelectsItsRow) {
    Start({{"F2", "a"}, {"~R", "b"}, {"SF3", "c"}, {"sf4", "d"}});
    SetFocus(List());
    SelectHotkeyRowForTest(0);
    PressKey(List(), 'S');
    EXPECT_EQ(SelectedHotkeyRow(), 2);
}

TEST_F(HotkeyStoreTest, ACloseDuringALongSaveWaitsForIt) {
    const Rows rows = ManyRows(60000);
    Start(rows);
    SelectHotkeyRowForTest(0);
    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    SendMessageA(ControlWindow("按钮_删除"), BM_CLICK, 0, 0);
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_TRUE(Session().IsJobRunning());
    PumpMessages();
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(Without(rows, {0})));
}

}  // namespace
}  // namespace keyloom::test
