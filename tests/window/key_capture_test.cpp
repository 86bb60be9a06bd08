// Naming a key by pressing it, in the real window with key messages through
// the thread's queue (key_capture_x_test.cpp presses real keys and checks
// the names): 按键 arms the capture, a modifier alone waits, refusals write
// nothing and say why, a click or the focus elsewhere ends the capture, and
// the keys pressed during it are the capture's to their release.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "tests/window/window_fixture.h"
#include "window/controls/control_table.h"
#include "window/key_capture.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

constexpr const char* kKeyBox = "编辑框2";
constexpr const char* kButton = "按钮_按键";
constexpr const char* kNote = "标签7";

class KeyCaptureTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ClickButton("按钮_添加");
        TypeInto(kKeyBox, "F9");
    }
    static void Arm() { ClickButton(kButton); }
    static void Press(UINT key, KeysHeld held = {}, bool extended = false) {
        PressKeyHolding(GetFocus(), key, held, extended);
    }
    static bool Pushed() {
        return (SendMessageA(ControlWindow(kButton), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    }
    // The button, the note and the focus as no capture leaves them.
    void ExpectEnded(const std::string& note) const {
        EXPECT_FALSE(IsKeyCaptureArmed());
        EXPECT_EQ(ControlText(kButton), kControls[ControlIndex(kButton)].caption);
        EXPECT_FALSE(Pushed());
        EXPECT_EQ(ControlText(kNote), note);
        EXPECT_TRUE(IsWindow(window_));
    }
};

TEST_F(KeyCaptureTest, ArmedTheButtonLooksPushedSaysSoAndTheNoteAsksForAKey) {
    EXPECT_EQ(ControlText(kButton), "\xb0\xb4\xbc\xfc(&K)\xa1\xad");
    EXPECT_EQ(ControlText(kNote), "");
    Arm();
    EXPECT_TRUE(IsKeyCaptureArmed());
    EXPECT_EQ(ControlText(kButton), kKeyCaptureArmedCaption);
    EXPECT_TRUE(Pushed());
    EXPECT_EQ(ControlText(kNote), kKeyCaptureHint);
    EXPECT_EQ(GetFocus(), ControlWindow(kButton));
    EXPECT_EQ(ControlText(kKeyBox), "F9");
}

constexpr KeysHeld kCtrl{true, false, false};
constexpr KeysHeld kCtrlShift{true, false, true}, kAll{true, true, true};

TEST_F(KeyCaptureTest, AModifierAloneWaitsForTheKey) {
    Arm();
    Press(VK_CONTROL, kCtrl);
    Press(VK_SHIFT, kCtrlShift);
    Press(VK_MENU, kAll);
    EXPECT_TRUE(IsKeyCaptureArmed());
    EXPECT_EQ(ControlText(kKeyBox), "F9");
    EXPECT_EQ(ControlText(kNote), kKeyCaptureHint);
    Press(VK_F3, kCtrl);
    EXPECT_EQ(ControlText(kKeyBox), "CF3");
    ExpectEnded("");
}

TEST_F(KeyCaptureTest, CtrlCVAndXAreRefusedWithANoteAndWriteNothing) {
    const struct {
        UINT key;
        std::string_view note;
    } reserved[] = {{'C', kCopyKeyNote}, {'V', kPasteKeyNote}, {'X', kCutKeyNote}};
    for (const auto& r : reserved) {
        Arm();
        Press(r.key, kCtrl);
        EXPECT_EQ(ControlText(kKeyBox), "F9");
        ExpectEnded(std::string(r.note));
    }
}

TEST_F(KeyCaptureTest, TheNoteGoesWhenTheKeyBoxChangesOrACaptureIsArmed) {
    Arm();
    Press(VK_RETURN);
    ASSERT_EQ(ControlText(kNote), kNoNameNote);
    TypeInto(kKeyBox, "F8");
    EXPECT_EQ(ControlText(kNote), "");
    Arm();
    Press('X', kCtrl);
    ASSERT_EQ(ControlText(kNote), kCutKeyNote);
    Arm();
    EXPECT_EQ(ControlText(kNote), kKeyCaptureHint);
}

// A press of the left button on a control, through the thread's queue.
void ClickOn(const char* name) {
    HWND control = ControlWindow(name);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PumpMessages();
}

TEST_F(KeyCaptureTest, AClickElsewhereEndsTheCaptureAndChangesNothing) {
    // A label takes no focus: the click itself ends the capture.
    for (const char* elsewhere : {"标签3", "分组框1", "编辑框3"}) {
        SCOPED_TRACE(elsewhere);
        Arm();
        ClickOn(elsewhere);
        EXPECT_EQ(ControlText(kKeyBox), "F9");
        ExpectEnded("");
    }
}

TEST_F(KeyCaptureTest, TheFocusLeavingEndsTheCaptureAndTheNextKeyIsTyped) {
    Arm();
    FocusControl("编辑框3");
    ExpectEnded("");
    Press('Q');
    EXPECT_EQ(ControlText(kKeyBox), "F9");
    EXPECT_EQ(ControlText("编辑框3"), "q");
}

TEST_F(KeyCaptureTest, AClickOnTheArmedButtonEndsTheCapture) {
    Arm();
    Arm();
    ExpectEnded("");
    EXPECT_EQ(ControlText(kKeyBox), "F9");
}

TEST_F(KeyCaptureTest, AltKArmsTheCaptureWhileThePanelIsShown) {
    FocusControl("超级列表框1");
    Press('K', {false, true, false});
    EXPECT_TRUE(IsKeyCaptureArmed());
    EXPECT_EQ(GetFocus(), ControlWindow(kButton));
    Press(VK_F4);
    EXPECT_EQ(ControlText(kKeyBox), "F4");
    // The panel hidden, Alt+K does nothing, nor does a click on the button.
    ClickButton("按钮_添加");
    FocusControl("超级列表框1");
    Press('K', {false, true, false});
    EXPECT_FALSE(IsKeyCaptureArmed());
    EXPECT_EQ(GetFocus(), ControlWindow("超级列表框1"));
    ClickButton(kButton);
    EXPECT_FALSE(IsKeyCaptureArmed());
}

MSG KeyMessage(UINT message, WPARAM key) {
    MSG msg = {};
    msg.hwnd = ControlWindow(kButton);
    msg.message = message;
    msg.wParam = key;
    msg.lParam = 1 | (LPARAM(MapVirtualKeyA(static_cast<UINT>(key), 0)) << 16);
    if (message == WM_KEYUP || message == WM_SYSKEYUP) msg.lParam |= LPARAM(3) << 30;
    return msg;
}

TEST_F(KeyCaptureTest, TheReleasesOfTheKeysPressedDuringACaptureReachNothing) {
    Arm();
    // Alt down, F2 down: named AF2, the capture ends.
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE keys[256];
    std::copy(std::begin(saved), std::end(saved), std::begin(keys));
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(TakeKeyCaptureMessage(KeyMessage(WM_SYSKEYDOWN, VK_MENU)));
    EXPECT_TRUE(TakeKeyCaptureMessage(KeyMessage(WM_SYSKEYDOWN, VK_F2)));
    SetKeyboardState(saved);
    EXPECT_EQ(ControlText(kKeyBox), "AF2");
    EXPECT_FALSE(IsKeyCaptureArmed());
    // Their releases are taken (Alt's would open the system menu), once;
    // any other key is the window's again.
    EXPECT_TRUE(TakeKeyCaptureMessage(KeyMessage(WM_SYSKEYUP, VK_F2)));
    EXPECT_TRUE(TakeKeyCaptureMessage(KeyMessage(WM_SYSKEYUP, VK_MENU)));
    EXPECT_FALSE(TakeKeyCaptureMessage(KeyMessage(WM_SYSKEYUP, VK_MENU)));
    EXPECT_FALSE(TakeKeyCaptureMessage(KeyMessage(WM_KEYDOWN, VK_F3)));
    EXPECT_FALSE(TakeKeyCaptureMessage(KeyMessage(WM_KEYUP, VK_F3)));
}

TEST_F(KeyCaptureTest, WhileArmedEveryKeyMessageIsTheCapturesAndARepeatNamesNothing) {
    Arm();
    MSG repeat = KeyMessage(WM_KEYDOWN, VK_F6);
    repeat.lParam |= LPARAM(1) << 30;
    EXPECT_TRUE(TakeKeyCaptureMessage(repeat));
    EXPECT_TRUE(TakeKeyCaptureMessage(KeyMessage(WM_CHAR, 'a')));
    EXPECT_TRUE(TakeKeyCaptureMessage(KeyMessage(WM_KEYUP, VK_F7)));
    EXPECT_TRUE(IsKeyCaptureArmed());
    EXPECT_EQ(ControlText(kKeyBox), "F9");
}

// The width of a text in a control's font.
int TextWidth(HWND control, std::string_view text) {
    std::wstring converted(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()),
                                           converted.data(), static_cast<int>(converted.size()));
    converted.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, converted.c_str(), static_cast<int>(converted.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

TEST_F(KeyCaptureTest, EveryNoteFitsItsLabelAndTheArmedCaptionItsButton) {
    RECT note, button;
    GetClientRect(ControlWindow(kNote), &note);
    GetClientRect(ControlWindow(kButton), &button);
    for (std::string_view text :
         {kKeyCaptureHint, kCopyKeyNote, kPasteKeyNote, kCutKeyNote, kNoNameNote}) {
        EXPECT_LE(TextWidth(ControlWindow(kNote), text), note.right) << text;
    }
    EXPECT_LE(TextWidth(ControlWindow(kButton), kKeyCaptureArmedCaption), button.right - 4);
}

}  // namespace
}  // namespace keyloom::test
