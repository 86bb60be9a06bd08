// The editing buttons' message boxes as the user gets them: the real
// MessageBoxA, found by a hook when it is set up, read and answered.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/env_text.h"
#include "tests/handlers/editing_fixture.h"
#include "tests/harness/harness.h"
#include "window/main_window.h"
#include "window/memo/memo_box.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

struct SeenBox {
    std::string title;
    std::string text;
    bool hasIcon = false;
    bool hasOwner = false;
    bool mainWindowEnabled = true;
    bool inContentBox = false;
};

std::vector<SeenBox> gSeenBoxes;
HHOOK gHook = nullptr;

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM seen) {
    auto* box = reinterpret_cast<SeenBox*>(seen);
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    // A long text shows in a content box of the program's own.
    if (std::strcmp(className, kMemoClassName) == 0) {
        box->text += WindowText(child);
        box->inContentBox = true;
        return TRUE;
    }
    if (_stricmp(className, "Static") != 0) return TRUE;
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON) {
        box->hasIcon = box->hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
    } else {
        box->text += WindowText(child);
    }
    return TRUE;
}

// Read when the box has been set up (its WM_INITDIALOG has returned), then
// answered with OK.
LRESULT CALLBACK WatchForBoxes(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG) {
        char className[32] = {};
        GetClassNameA(call->hwnd, className, sizeof className);
        if (std::strcmp(className, "#32770") == 0) {
            SeenBox box;
            box.title = WindowText(call->hwnd);
            box.hasOwner = GetWindow(call->hwnd, GW_OWNER) != nullptr;
            box.mainWindowEnabled = IsWindowEnabled(MainWindow()) != FALSE;
            EnumChildWindows(call->hwnd, ReadBoxChild, reinterpret_cast<LPARAM>(&box));
            gSeenBoxes.push_back(box);
            PostMessageA(call->hwnd, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(gHook, code, wParam, lParam);
}

class RealBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        gSeenBoxes.clear();
        gHook = SetWindowsHookExA(WH_CALLWNDPROCRET, WatchForBoxes, nullptr, GetCurrentThreadId());
        ASSERT_NE(gHook, nullptr);
        env_ = ComposeEnvText(FiveRows());
        ASSERT_NE(StartMainWindowForTest(env_), nullptr);
    }
    void TearDown() override {
        UnhookWindowsHookEx(gHook);
        SetFileAttributesA(TestEnvPath().c_str(), FILE_ATTRIBUTE_NORMAL);
        CloseMainWindowForTest();
    }

    static void ExpectModalWithoutOwner(const SeenBox& box) {
        EXPECT_FALSE(box.hasOwner);
        EXPECT_FALSE(box.mainWindowEnabled);
    }

    std::string env_;
};

TEST_F(RealBoxTest, NoSelectionBoxAppearsWithItsTextTitleAndErrorIcon) {
    SelectHotkeyRowForTest(-1);
    ClickButton("按钮_删除");
    ASSERT_EQ(gSeenBoxes.size(), 1u);
    EXPECT_EQ(gSeenBoxes[0].title, "操作错误");
    EXPECT_EQ(gSeenBoxes[0].text, "请先选中要修改的行后，再点击此按钮！");
    EXPECT_TRUE(gSeenBoxes[0].hasIcon);
    ExpectModalWithoutOwner(gSeenBoxes[0]);
    // The window works on after the box.
    EXPECT_TRUE(IsWindowEnabled(MainWindow()));
}

// Closed with Enter, a box leaves the keyboard where it was: the window
// active, the control focused, so the next key acts at once. (A click
// gives the focus to the button clicked, and the box gives it back there.)
TEST_F(RealBoxTest, AfterABoxTheWindowAndTheFocusedControlHaveTheKeyboardAgain) {
    SelectHotkeyRowForTest(-1);
    HWND list = ControlWindow("超级列表框1");
    SetFocus(list);
    PressKey(list, VK_DELETE);
    ASSERT_EQ(gSeenBoxes.size(), 1u);
    EXPECT_EQ(GetActiveWindow(), MainWindow());
    EXPECT_EQ(GetFocus(), list);
    ClickButton("按钮_添加");
    TypeInto("编辑框2", "");
    HWND commandBox = ControlWindow("编辑框3");
    SetFocus(commandBox);
    PressKey(commandBox, VK_RETURN);
    ASSERT_EQ(gSeenBoxes.size(), 2u);
    EXPECT_EQ(GetActiveWindow(), MainWindow());
    EXPECT_EQ(GetFocus(), commandBox);
}

TEST_F(RealBoxTest, InputErrorBoxAppearsWithItsTextTitleAndErrorIcon) {
    ClickButton("按钮_添加");
    TypeInto("编辑框2", "");
    TypeInto("编辑框3", "zoom");
    ClickButton("按钮_确认");
    ASSERT_EQ(gSeenBoxes.size(), 1u);
    EXPECT_EQ(gSeenBoxes[0].title, "错误");
    EXPECT_EQ(gSeenBoxes[0].text, "填写错误！");
    EXPECT_TRUE(gSeenBoxes[0].hasIcon);
    ExpectModalWithoutOwner(gSeenBoxes[0]);
}

TEST_F(RealBoxTest, SaveFailedBoxAppearsWithItsTextTitleAndNoIcon) {
    ASSERT_TRUE(SetFileAttributesA(TestEnvPath().c_str(), FILE_ATTRIBUTE_READONLY));
    SelectHotkeyRowForTest(0);
    ClickButton("按钮_删除");
    ASSERT_EQ(gSeenBoxes.size(), 1u);
    EXPECT_EQ(gSeenBoxes[0].title, "信息：");
    // With its reason.
    EXPECT_EQ(gSeenBoxes[0].text, "存储失败！env文件是只读的。请先去掉它的只读属性。");
    EXPECT_FALSE(gSeenBoxes[0].hasIcon);
    ExpectModalWithoutOwner(gSeenBoxes[0]);
    EXPECT_EQ(ReadFileBytes(TestEnvPath()), env_);
}

TEST_F(RealBoxTest, EnvContentBoxShowsTheFileUnderEnvData) {
    ClickButton("按钮_env内容");
    ASSERT_EQ(gSeenBoxes.size(), 1u);
    EXPECT_EQ(gSeenBoxes[0].title, "env数据");
    EXPECT_EQ(gSeenBoxes[0].text, env_);
    EXPECT_TRUE(gSeenBoxes[0].inContentBox);
    EXPECT_FALSE(gSeenBoxes[0].hasIcon);
    ExpectModalWithoutOwner(gSeenBoxes[0]);
    // Closed, the window is active again with the focus where it was: on
    // the button, which the click gave it to.
    EXPECT_TRUE(IsWindowEnabled(MainWindow()));
    EXPECT_EQ(GetActiveWindow(), MainWindow());
    EXPECT_EQ(GetFocus(), ControlWindow("按钮_env内容"));
}

}  // namespace
}  // namespace keyloom::test
