// Saving after a change: a failed write and its reason, the content view,
// clicks during a save, and a close that waits for it.
#include <windows.h>

#include "handlers/editing_state.h"
#include "tests/handlers/editing_fixture.h"
#include "window/content_box.h"
#include "window/main_window.h"
#include "window/message_pump.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using SaveTest = EditingTest;

// A save refused for a read-only file says why.
const char* const kReadOnlyRefusal = "存储失败！env文件是只读的。请先去掉它的只读属性。";
using ContentViewTest = EditingTest;
using SaveGuardWindowTest = EditingTest;

TEST_F(SaveTest, FailedWriteIsReportedOnceAndKeepsTheChangeInTheList) {
    Start(FiveRows());
    ASSERT_TRUE(SetFileAttributesA(TestEnvPath().c_str(), FILE_ATTRIBUTE_READONLY));
    ClickButton("按钮_添加");
    Type("F7", "grid");
    ClickButton("按钮_确认");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].text, kReadOnlyRefusal);
    EXPECT_EQ(boxes_.Boxes()[0].title, "信息：");
    EXPECT_EQ(boxes_.Boxes()[0].style, 0u);
    const Rows expected = Without(FiveRows(), {}, {{"F7", "grid"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(Text("标签2"), "5个");
    EXPECT_EQ(EnvBytes(), originalEnv_);
    EXPECT_EQ(Width(), 402);
}

TEST_F(SaveTest, FailedWriteAfterADeleteLeavesTheRowDeleted) {
    Start(FiveRows());
    ASSERT_TRUE(SetFileAttributesA(TestEnvPath().c_str(), FILE_ATTRIBUTE_READONLY));
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].text, kReadOnlyRefusal);
    EXPECT_EQ(ListRows(), Without(FiveRows(), {0}));
    EXPECT_EQ(Text("标签2"), "5个");
    EXPECT_EQ(EnvBytes(), originalEnv_);
    // The next save that can write writes the whole list.
    ASSERT_TRUE(SetFileAttributesA(TestEnvPath().c_str(), FILE_ATTRIBUTE_NORMAL));
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    EXPECT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(Without(FiveRows(), {0, 1})));
    EXPECT_EQ(Text("标签2"), "3个");
}

// A close with a change the file does not hold asks: 否 keeps Keyloom open
// with the change, 是 closes. With nothing unwritten a close asks nothing.
TEST_F(SaveTest, ACloseAfterAFailedSaveAsksBeforeDroppingTheChange) {
    Start(FiveRows());
    ASSERT_TRUE(SetFileAttributesA(TestEnvPath().c_str(), FILE_ATTRIBUTE_READONLY));
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    PumpMessages();
    ASSERT_EQ(boxes_.Boxes().size(), 2u);
    EXPECT_EQ(boxes_.Boxes()[1].style, static_cast<unsigned>(MB_YESNO));
    EXPECT_EQ(boxes_.Boxes()[1].title, "尚未存储");
    EXPECT_NE(MainWindow(), nullptr);
    EXPECT_EQ(ListRows(), Without(FiveRows(), {0}));
    boxes_.AnswerQuestionsYes(true);
    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_EQ(EnvBytes(), originalEnv_);

    // Written: the close asks nothing.
    SetFileAttributesA(TestEnvPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    boxes_.Clear();
    Start(FiveRows());
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(SaveTest, WriteIntoAFolderThatIsGoneFails) {
    Start(FiveRows());
    // A folder where the file should be cannot be replaced.
    ASSERT_TRUE(DeleteFileA(TestEnvPath().c_str()));
    ASSERT_TRUE(CreateDirectoryA(TestEnvPath().c_str(), nullptr));
    SelectHotkeyRowForTest(1);
    ClickButton("按钮_删除");
    RemoveDirectoryA(TestEnvPath().c_str());
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].text, "存储失败！env的位置上是一个文件夹，不是文件。");
    // The count is the one the file had when it was read.
    EXPECT_EQ(Text("标签2"), "5个");
}

// Cells longer than any first guess at their size, with double-byte
// characters that a cut could split at either byte.
Rows LongRows() {
    std::string chinese;
    for (int i = 0; i < 200; ++i) chinese += "\xB3\xA4";  // 长
    return {{chinese.substr(0, 300), "a" + chinese},
            {"F2", chinese},
            {"F3", "x" + std::string(5000, 'y')},
            {"F4", "b" + chinese.substr(0, 254)},
            {"F5", chinese.substr(0, 254)}};
}

TEST_F(SaveTest, WritesLongCellsWhole) {
    Rows rows = LongRows();
    rows.push_back({"F9", "last"});
    Start(rows);
    ASSERT_EQ(ListRows(), rows);
    SelectHotkeyRowForTest(5);
    ClickButton("按钮_删除");
    EXPECT_EQ(EnvBytes(), ComposeEnvText(LongRows()));
}

TEST_F(SaveTest, ModifyOfALongRowFillsTheBoxesWhole) {
    Start(LongRows());
    for (int row = 0; row < 5; ++row) {
        OpenForModify(row);
        EXPECT_EQ(Text("编辑框2"), LongRows()[row].key);
        EXPECT_EQ(Text("编辑框3"), LongRows()[row].command);
    }
}

// Many rows, some Chinese, so the saved text is far longer than one slice
// of the content box and its slices meet double-byte characters.
Rows ManyRows(int count) {
    Rows rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back({"F" + std::to_string(i % 12 + 1),
                        i % 3 == 0 ? "\xB7\xC5\xB4\xF3 " + std::to_string(i)  // 放大
                                   : "zoom in " + std::to_string(i)});
    }
    return rows;
}

TEST_F(SaveTest, LongTextGoesWholeIntoTheContentBoxOfAnOpenPanel) {
    const Rows rows = ManyRows(6000);
    Start(rows);
    ClickButton("按钮_添加");
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    const std::string expected = ComposeEnvText(Without(rows, {0}));
    ASSERT_GT(expected.size(), 2u * 64 * 1024);
    EXPECT_EQ(EnvBytes(), expected);
    EXPECT_EQ(Text("编辑框1"), expected);
    // As after any new text: caret and view at the start.
    HWND box = ControlWindow("编辑框1");
    DWORD start = 1;
    DWORD end = 1;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    EXPECT_EQ(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_EQ(Text("标签2"), "5999个");
}

TEST_F(SaveTest, LongTextOfDoubleByteLinesIsShownUncut) {
    Start(FiveRows());
    std::string text;
    for (int line = 0; line < 3000; ++line) {
        for (int i = 0; i < 20; ++i) text += "\xD5\xC5";  // 张
        text += line % 2 == 0 ? "\r\n" : "x\r\n";
    }
    ShowSavedText(text);
    EXPECT_EQ(Text("编辑框1"), text);
    ShowSavedText("short");
    EXPECT_EQ(Text("编辑框1"), "short");
}

TEST_F(ContentViewTest, AfterASaveShowsWhatTheContentBoxShows) {
    Start(FiveRows());
    OpenForModify(3);
    Type("F4", "\xCB\xF5\xD0\xA1");  // 缩小
    ClickButton("按钮_确认");
    // A delete while the panel is open shows the saved text in the box.
    ClickButton("按钮_添加");
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    ClickButton("按钮_env内容");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].title, "env数据");
    EXPECT_EQ(boxes_.Boxes()[0].style, 0u);
    EXPECT_EQ(boxes_.Boxes()[0].text, Text("编辑框1"));
    EXPECT_EQ(boxes_.Boxes()[0].text, EnvBytes());
    EXPECT_EQ(ListRows(), Without(FiveRows(), {0, 3}, {{"F4", "\xCB\xF5\xD0\xA1"}}));
}

TEST_F(ContentViewTest, ShowsTheFileAsStoredUpToTheFirstZeroByte) {
    const std::string before = ComposeEnvText(FiveRows());
    StartWithBytes(before + std::string("set x\0tail", 10));
    ClickButton("按钮_env内容");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].text, before + "set x");
    EXPECT_EQ(boxes_.Boxes()[0].title, "env数据");
}

TEST_F(ContentViewTest, MissingFileShowsAnEmptyMessage) {
    ASSERT_NE(StartMainWindowWithoutEnvForTest(), nullptr);
    ClickButton("按钮_env内容");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].text, "");
    EXPECT_EQ(boxes_.Boxes()[0].title, "env数据");
}

// Clicks posted behind a click that starts a save arrive while it runs:
// each acts at once, in order, on the list as it stands when it comes.
void PostClick(std::string_view button) {
    PostMessageA(ControlWindow(button), BM_CLICK, 0, 0);
}

TEST_F(SaveGuardWindowTest, ClicksDuringASaveActAtOnceOnTheListAsItStands) {
    Start(FiveRows());
    ClickButton("按钮_添加");
    Type("F7", "grid");
    SelectHotkeyRowForTest(0);
    PostClick("按钮_删除");
    PostClick("按钮_修改");
    PostClick("按钮_添加");
    PostClick("按钮_确认");
    SendMessageA(ControlWindow("按钮_确认"), BM_CLICK, 0, 0);
    PumpMessages();
    // Add F7; delete F1, the selected row; Modify then finds no row
    // selected; add mode again; the confirm of F7 once more asks (and the
    // recorder answers 否), leaving the panel open.
    Rows expected = Without(FiveRows(), {0}, {{"F7", "grid"}});
    EXPECT_EQ(ListRows(), expected);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(expected));
    EXPECT_EQ(Width(), 610);
    EXPECT_EQ(Text("按钮_确认"), "确认添加");
    EXPECT_EQ(Text("标签2"), "5个");
    ASSERT_EQ(boxes_.Boxes().size(), 2u);
    ExpectNoSelectionBox(boxes_.Boxes()[0]);
    EXPECT_EQ(boxes_.Boxes()[1].style, static_cast<unsigned>(MB_YESNO));
}

TEST_F(SaveGuardWindowTest, CloseDuringASaveWaitsForTheSaveToFinish) {
    Start(FiveRows());
    ClickButton("按钮_添加");
    Type("F7", "grid");
    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    SendMessageA(ControlWindow("按钮_确认"), BM_CLICK, 0, 0);
    PumpMessages();
    // The save wrote every row before the window went.
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_EQ(EnvBytes(), ComposeEnvText(Without(FiveRows(), {}, {{"F7", "grid"}})));
}

TEST_F(SaveGuardWindowTest, TheWindowPaintsWhileASaveRuns) {
    Start(ManyRows(100000));
    // A window of the same thread with an area waiting to be painted.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 100,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SelectHotkeyRowForTest(4);
    InvalidateRect(other, nullptr, TRUE);
    ASSERT_TRUE(GetUpdateRect(other, nullptr, FALSE));
    // The click returns at once, the save still running beside the window.
    SendMessageA(ControlWindow("按钮_删除"), BM_CLICK, 0, 0);
    EXPECT_TRUE(Session().IsJobRunning());
    ProcessPendingMessages();
    EXPECT_FALSE(GetUpdateRect(other, nullptr, FALSE));
    DestroyWindow(other);
    PumpMessages();
    EXPECT_EQ(ListRows().size(), 99999u);
}

}  // namespace
}  // namespace keyloom::test
