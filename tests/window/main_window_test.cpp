// The main window as start-up leaves it: size, place, frame, title.
#include <gtest/gtest.h>

#include "tests/window/window_fixture.h"
#include "window/controls/app_cursor.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

TEST_F(MainWindowTest, IsNarrowedTo402By325AtTheCornerOfTheCentredInitialSize) {
    RECT rect;
    ASSERT_TRUE(GetWindowRect(window_, &rect));
    EXPECT_EQ(rect.right - rect.left, 402);
    EXPECT_EQ(rect.bottom - rect.top, 325);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 613) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 328) / 2);
    EXPECT_EQ(MainWindowWidth(), 402);
    EXPECT_EQ(MainWindowHeight(), 325);
}

TEST_F(MainWindowTest, IsShownWithTitleFixedFrameAndMinimiseButtonOnly) {
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_FALSE(IsIconic(window_));
    EXPECT_FALSE(IsZoomed(window_));
    char title[64] = "";
    GetWindowTextA(window_, title, sizeof title);
    EXPECT_STREQ(title, "Allegro Keyloom");
    LONG style = GetWindowLongA(window_, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    LONG exStyle = GetWindowLongA(window_, GWL_EXSTYLE);
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);  // shown in the taskbar
}

TEST_F(MainWindowTest, HasButtonFaceBackgroundAndAppCursor) {
    EXPECT_EQ(GetClassLongPtrA(window_, GCLP_HBRBACKGROUND),
              static_cast<LONG_PTR>(COLOR_BTNFACE + 1));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window_, GCLP_HCURSOR)), AppCursor());
}

TEST_F(MainWindowTest, SettingWidthKeepsPositionAndHeight) {
    RECT before;
    GetWindowRect(window_, &before);
    SetMainWindowWidth(610);
    RECT after;
    GetWindowRect(window_, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, 610);
    EXPECT_EQ(after.bottom - after.top, 325);
}

TEST_F(MainWindowTest, EditPanelIsOutsideTheNarrowClientAreaAndInsideTheWideOne) {
    for (const char* name : {"分组框1", "分组框2", "图片框1", "标签5"}) {
        RECT control;
        GetWindowRect(ControlWindow(name), &control);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&control), 2);
        RECT client;
        GetClientRect(window_, &client);
        EXPECT_GE(control.left, client.right) << name;
    }
    SetMainWindowWidth(610);
    RECT client;
    GetClientRect(window_, &client);
    EXPECT_GE(client.right, 464);
}

TEST_F(MainWindowTest, CreatedHandlerStartsTheSlideTimer) {
    EXPECT_EQ(TimerInterval("时钟1"), 30);
    EXPECT_EQ(TimerInterval("时钟2"), 0);
}

TEST_F(MainWindowTest, TimerIntervalRules) {
    SetTimerInterval("时钟2", -5);
    EXPECT_EQ(TimerInterval("时钟2"), 0);
    SetTimerInterval("时钟2", 40);
    EXPECT_EQ(TimerInterval("时钟2"), 40);
    SetTimerInterval("时钟2", 0);
    EXPECT_EQ(TimerInterval("时钟2"), 0);
    // Only timers have intervals.
    SetTimerInterval("标签1", 30);
    EXPECT_EQ(TimerInterval("标签1"), 0);
}

TEST(MainWindowLifeTest, ClosingDestroysTheWindowAndForgetsItsControls) {
    HWND window = StartMainWindowForTest(EnvWithLines(""));
    ASSERT_NE(window, nullptr);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_EQ(ControlWindow("超级列表框1"), nullptr);
    CloseMainWindowForTest();
}

}  // namespace
}  // namespace keyloom::test
