// Esc closes from anywhere, Enter keeps the focus, F1 does nothing.
#include <gtest/gtest.h>

#include "tests/window/window_fixture.h"
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

TEST_F(MainWindowTest, EnterDoesNotMoveTheFocus) {
    // The panel shown: the hidden panel's boxes take no key at all.
    SetMainWindowWidth(474);
    for (const char* name : {"编辑框2", "按钮_添加", "超级列表框1"}) {
        HWND control = ControlWindow(name);
        SetFocus(control);
        PressKey(control, VK_RETURN);
        EXPECT_EQ(GetFocus(), control) << name;
        EXPECT_TRUE(IsWindow(window_));
    }
}

TEST_F(MainWindowTest, EnterInTheMemoBreaksTheLine) {
    SetMainWindowWidth(474);
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
    EXPECT_EQ(MainWindowWidth(), 266);
}

TEST_F(MainWindowTest, TabMovesTheFocusToAnotherControl) {
    HWND list = ControlWindow("超级列表框1");
    SetFocus(list);
    PressKey(list, VK_TAB);
    EXPECT_NE(GetFocus(), list);
    EXPECT_TRUE(IsChild(window_, GetFocus()));
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
