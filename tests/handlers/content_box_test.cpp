// The content box on envs of every size: Add and Modify show the file's
// whole text, a very long line included, and what comes right behind the
// click (a confirm, a delete, a close) has the outcome it has after it.
#include <windows.h>

#include <string>

#include "handlers/editing_state.h"
#include "tests/handlers/editing_fixture.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

// An env of the kind users keep, LF line ends: comments in code page 936,
// settings, alias and funckey lines, then Allegro's section.
std::string LargeEnv(int hotkeys) {
    std::string text = "# \xD3\xC3\xBB\xA7\xBB\xB7\xBE\xB3\nsource $TELENV\nset psmpath = . lib\n";
    for (int i = 0; i < hotkeys; ++i) {
        text += i % 10 == 0 ? "funckey " : "alias ";
        text += "F" + std::to_string(i % 12 + 1) + " zoom in " + std::to_string(i) + "\n";
        if (i % 1000 == 0) text += "# \xB7\xC5\xB4\xF3 " + std::to_string(i) + "\n";
    }
    return text + "\n### User Preferences section\nset autosave_time = 10\n";
}

// One comment line of a million bytes, as a pasted path list can make one.
std::string EnvWithALongLine() {
    std::string line = "# ";
    while (line.size() < 1000000) line += "E:\\lib\\\xB7\xC5\xB4\xF3 psmpath ";
    line.resize(1000000);
    return "source $TELENV\r\n" + line + "\r\nalias F2 zoom fit\r\nalias F3 pan\r\n";
}

using ContentBoxTest = EditingTest;

TEST_F(ContentBoxTest, AddAndModifyShowTheWholeTextOfALargeEnv) {
    StartWithBytes(LargeEnv(100000));
    ASSERT_EQ(ListRows().size(), 100000u);
    ClickButton("按钮_添加");
    EXPECT_EQ(Width(), 610);
    EXPECT_TRUE(FocusIn("编辑框2"));
    EXPECT_EQ(Text("编辑框1"), originalEnv_);
    ClickButton("按钮_添加");
    OpenForModify(99999);
    EXPECT_EQ(Width(), 610);
    EXPECT_EQ(Text("编辑框1"), originalEnv_);
    EXPECT_EQ(Text("编辑框3"), "zoom in 99999");
}

TEST_F(ContentBoxTest, AVeryLongLineIsShownWhole) {
    StartWithBytes(EnvWithALongLine());
    ClickButton("按钮_添加");
    EXPECT_EQ(Text("编辑框1"), originalEnv_);
    // The line wraps at the box's width into thousands of lines.
    EXPECT_GT(SendMessageA(ControlWindow("编辑框1"), EM_GETLINECOUNT, 0, 0), 10000);
}

// Clicks queued behind the Add click, as a user's quick clicks are.
void QueueClick(std::string_view button) {
    PostMessageA(ControlWindow(button), BM_CLICK, 0, 0);
}

TEST_F(ContentBoxTest, AConfirmRightBehindAnAddSavesAndLeavesTheHiddenBox) {
    StartWithBytes(LargeEnv(100000));
    Type("F13", "zoom out");
    QueueClick("按钮_添加");
    QueueClick("按钮_确认");
    PumpMessages();
    EXPECT_EQ(ListRows().size(), 100001u);
    EXPECT_EQ(ListRows().back(), (HotkeyEntry{"F13", "zoom out"}));
    EXPECT_NE(EnvBytes(), originalEnv_);
    EXPECT_EQ(Width(), 402);
    // As after any confirm: the hidden box keeps what the Add put there.
    EXPECT_EQ(Text("编辑框1"), originalEnv_);
}

TEST_F(ContentBoxTest, ADeleteRightBehindAnAddShowsTheSavedText) {
    StartWithBytes(LargeEnv(100000));
    SelectHotkeyRowForTest(5);
    QueueClick("按钮_添加");
    QueueClick("按钮_删除");
    PumpMessages();
    EXPECT_EQ(ListRows().size(), 99999u);
    EXPECT_EQ(Width(), 610);
    EXPECT_EQ(Text("编辑框1"), EnvBytes());
    EXPECT_NE(EnvBytes(), originalEnv_);
}

TEST_F(ContentBoxTest, ACloseRightBehindAnAddClosesTheWindow) {
    StartWithBytes(LargeEnv(100000));
    QueueClick("按钮_添加");
    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_EQ(EnvBytes(), originalEnv_);
    EXPECT_FALSE(Session().IsJobRunning());
}

}  // namespace
}  // namespace keyloom::test
