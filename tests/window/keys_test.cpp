// Esc closes from anywhere, Enter on a button keeps the focus, F1 does
// nothing; the focus starts on the list and Tab follows the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/window/window_fixture.h"
#include "window/controls/control_table.h"
#include "window/message_pump.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

class WindowKeysTest : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { CloseMainWindowForTest(); }
};

TEST_P(WindowKeysTest, EscInAnyControlClosesTheWindow) {
    HWND window = StartMainWindowForTest(EnvWithLines("alias F2 x\r\n"));
    ASSERT_NE(window, nullptr);
    HWND target = std::string(GetParam()).empty() ? window : ControlWindow(GetParam());
    ASSERT_NE(target, nullptr);
    PressKey(target, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(window));
}

INSTANTIATE_TEST_SUITE_P(Controls, WindowKeysTest,
                         ::testing::Values("", "超级列表框1", "编辑框1", "编辑框2", "编辑框3",
                                           "按钮_添加", "按钮_确认"));

TEST_F(MainWindowTest, EnterOnAButtonDoesNotMoveTheFocus) {
    // The panel shown: the hidden panel's controls take no key at all.
    SetMainWindowWidth(610);
    for (const char* name : {"按钮_添加", "按钮_env内容", "按钮_确认"}) {
        HWND control = ControlWindow(name);
        SetFocus(control);
        PressKey(control, VK_RETURN);
        EXPECT_EQ(GetFocus(), control) << name;
        EXPECT_TRUE(IsWindow(window_));
    }
}

TEST_F(MainWindowTest, EnterInTheMemoBreaksTheLine) {
    SetMainWindowWidth(610);
    HWND memo = ControlWindow("编辑框1");
    SetFocus(memo);
    PressKey(memo, VK_RETURN);
    EXPECT_EQ(GetFocus(), memo);
}

TEST_F(MainWindowTest, F1DoesNothing) {
    MessageBoxRecorder boxes;
    HWND list = ControlWindow("超级列表框1");
    SetFocus(list);
    PressKey(list, VK_F1);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(MainWindowWidth(), 402);
}

TEST_F(MainWindowTest, TheListHasTheFocusWhenTheWindowAppears) {
    EXPECT_EQ(GetFocus(), ControlWindow("超级列表框1"));
}

// Presses Tab (with Shift held for backwards) on the focused control that
// many times, and names the control that has the focus after each press.
std::vector<std::string> TabWalk(std::size_t presses, bool backwards) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE shift = keys[VK_SHIFT];
    keys[VK_SHIFT] = backwards ? 0x80 : 0;
    SetKeyboardState(keys);
    std::vector<std::string> walk;
    for (std::size_t i = 0; i < presses; ++i) {
        PressKey(GetFocus(), VK_TAB);
        std::string name = "?";
        for (std::size_t c = 0; c < kControlCount; ++c) {
            if (GetFocus() == ControlWindow(kControls[c].name)) name = kControls[c].name;
        }
        walk.push_back(name);
    }
    keys[VK_SHIFT] = shift;
    SetKeyboardState(keys);
    return walk;
}

TEST_F(MainWindowTest, TabFollowsTheScreenAndPassesOverTheHiddenPanel) {
    FocusControl("超级列表框1");
    const std::vector<std::string> forward = {"按钮_添加", "按钮_修改", "按钮_删除", "按钮_env内容",
                                              "超级列表框1"};
    EXPECT_EQ(TabWalk(5, false), forward);
    const std::vector<std::string> backward = {"按钮_env内容", "按钮_删除", "按钮_修改",
                                               "按钮_添加", "超级列表框1"};
    EXPECT_EQ(TabWalk(5, true), backward);
}

TEST_F(MainWindowTest, TabWithThePanelShownGoesOnThroughThePanel) {
    SetMainWindowWidth(610);
    FocusControl("超级列表框1");
    const std::vector<std::string> forward = {
        "按钮_添加", "按钮_修改",    "按钮_删除", "按钮_env内容", "编辑框2",    "按钮_按键",
        "编辑框3",   "单选框_alias", "按钮_确认", "编辑框1",      "超级列表框1"};
    EXPECT_EQ(TabWalk(11, false), forward);
    const std::vector<std::string> backward = {"编辑框1", "按钮_确认"};
    EXPECT_EQ(TabWalk(2, true), backward);
}

TEST_F(MainWindowTest, TheFocusComesBackWhenTheWindowIsActivatedAgain) {
    FocusControl("按钮_删除");
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                                 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetActiveWindow(other);
    PumpMessages();
    ASSERT_NE(GetActiveWindow(), window_);
    SetActiveWindow(window_);
    PumpMessages();
    EXPECT_EQ(GetFocus(), ControlWindow("按钮_删除"));
    DestroyWindow(other);
}

TEST_F(MainWindowTest, PendingMessagesAreHandledWithoutWaiting) {
    PostMessageA(window_, WM_NULL, 0, 0);
    DWORD start = GetTickCount();
    ProcessPendingMessages();
    EXPECT_LT(GetTickCount() - start, 1000u);
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, window_, WM_NULL, WM_NULL, PM_NOREMOVE));
}

TEST_F(MainWindowTest, QuitMessageIsLeftForTheMessageLoop) {
    PostQuitMessage(3);
    ProcessPendingMessages();
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 3u);
}

}  // namespace
}  // namespace keyloom::test
