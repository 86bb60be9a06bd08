// The box that shows a long text, as the user gets it over the real window:
// titled, the text in a read-only content box, modal to the application
// without an owner, closed by 确定, Enter or Esc, and the window active
// again afterwards with the focus where it was.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/window/window_fixture.h"
#include "window/main_window.h"
#include "window/memo/memo_box.h"
#include "window/boxes.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

enum class Close { Button, Enter, Escape };

struct SeenTextBox {
    bool found = false;
    std::wstring title;
    std::wstring button;
    std::string text;
    bool readOnly = false;
    bool hasOwner = true;
    bool mainWindowEnabled = true;
    bool focusInText = false;
    bool inScreen = false;
};

SeenTextBox gSeen;
Close gClose = Close::Button;

std::wstring WideText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (lstrcmpW(className, L"#32770") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Runs inside the box's loop: reads the box, then closes it as asked.
void CALLBACK InspectBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    // Not up yet: the next tick looks again.
    if (!box) return;
    KillTimer(nullptr, timer);
    gSeen.found = true;
    gSeen.title = WideText(box);
    gSeen.hasOwner = GetWindow(box, GW_OWNER) != nullptr;
    gSeen.mainWindowEnabled = IsWindowEnabled(MainWindow()) != FALSE;
    HWND memo = FindWindowExA(box, nullptr, kMemoClassName, nullptr);
    HWND button = GetDlgItem(box, IDOK);
    gSeen.button = WideText(button);
    if (memo) {
        const auto length = SendMessageA(memo, WM_GETTEXTLENGTH, 0, 0);
        gSeen.text.assign(static_cast<std::size_t>(length) + 1, '\0');
        gSeen.text.resize(static_cast<std::size_t>(SendMessageA(
            memo, WM_GETTEXT, gSeen.text.size(), reinterpret_cast<LPARAM>(gSeen.text.data()))));
        gSeen.readOnly = (GetWindowLongA(memo, GWL_STYLE) & ES_READONLY) != 0;
        gSeen.focusInText = GetFocus() == memo;
    }
    RECT frame;
    GetWindowRect(box, &frame);
    gSeen.inScreen = frame.left >= 0 && frame.top >= 0 && frame.right - frame.left > 200 &&
                     frame.right <= GetSystemMetrics(SM_CXSCREEN) &&
                     frame.bottom <= GetSystemMetrics(SM_CYSCREEN);
    switch (gClose) {
        case Close::Button:
            PostMessageA(button, BM_CLICK, 0, 0);
            break;
        case Close::Enter:
        case Close::Escape: {
            const WPARAM key = gClose == Close::Enter ? VK_RETURN : VK_ESCAPE;
            HWND focus = GetFocus();
            PostMessageA(focus, WM_KEYDOWN, key, 1);
            PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
            break;
        }
    }
}

class TextBoxTest : public MainWindowTest {
protected:
    // Shows the box over the window with the focus in the list, and
    // closes it as asked; false when the box never came or never went.
    bool ShowAndClose(const std::string& text, Close close) {
        gSeen = SeenTextBox();
        gClose = close;
        SetFocus(ControlWindow("超级列表框1"));
        SetTimer(nullptr, 0, 10, InspectBox);
        ShowBox({BoxKind::LongText, {{text, BoxText::EnvFile}}, "env数据"});
        PumpMessages();
        return gSeen.found;
    }
    void ExpectWindowBack() {
        EXPECT_TRUE(IsWindowEnabled(MainWindow()));
        EXPECT_EQ(GetActiveWindow(), MainWindow());
        EXPECT_EQ(GetFocus(), ControlWindow("超级列表框1"));
    }
};

TEST_F(TextBoxTest, ShowsTheTextReadOnlyUnderItsTitleModalWithoutAnOwner) {
    const std::string text = "source $TELENV\r\n\r\nalias F2 \xB7\xC5\xB4\xF3\r\n";
    ASSERT_TRUE(ShowAndClose(text, Close::Button));
    EXPECT_EQ(gSeen.title, L"env数据");
    EXPECT_EQ(gSeen.button, L"确定");
    EXPECT_EQ(gSeen.text, text);
    EXPECT_TRUE(gSeen.readOnly);
    EXPECT_TRUE(gSeen.focusInText);
    EXPECT_FALSE(gSeen.hasOwner);
    EXPECT_FALSE(gSeen.mainWindowEnabled);
    EXPECT_TRUE(gSeen.inScreen);
    ExpectWindowBack();
}

TEST_F(TextBoxTest, EnterAndEscClose) {
    for (Close close : {Close::Enter, Close::Escape}) {
        ASSERT_TRUE(ShowAndClose(std::string(100000, 'a'), close));
        EXPECT_EQ(gSeen.text.size(), 100000u);
        ExpectWindowBack();
    }
}

}  // namespace
}  // namespace keyloom::test
