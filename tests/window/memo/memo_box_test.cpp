// The content box 编辑框1 in the real window, as a user works it: its text
// in and out, typing, keys, the mouse, the clipboard, scrolling and what it
// draws.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/window/window_fixture.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

class MemoBoxTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetMainWindowWidth(610);
        memo_ = ControlWindow("编辑框1");
        ASSERT_NE(memo_, nullptr);
    }
    void TearDown() override {
        HoldKeys({});
        MainWindowTest::TearDown();
    }

    void SetText(const std::string& text) { SetWindowTextA(memo_, text.c_str()); }
    std::string Text() const { return ControlText("编辑框1"); }
    std::pair<DWORD, DWORD> Selection() const {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(memo_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    void Select(int start, int end) { SendMessageA(memo_, EM_SETSEL, start, end); }
    // Characters as the keyboard sends them, one message a byte.
    void Chars(const std::string& bytes) {
        for (unsigned char c : bytes) PostMessageA(memo_, WM_CHAR, c, 1);
        PumpMessages();
    }
    // The keys held while the next keys are pressed.
    static void HoldKeys(std::initializer_list<int> keys) {
        BYTE state[256] = {};
        for (int key : keys) state[key] = 0x80;
        SetKeyboardState(state);
    }
    long FirstVisibleLine() const {
        return static_cast<long>(SendMessageA(memo_, EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    std::string Clipboard() const {
        std::string text;
        if (!OpenClipboard(memo_)) return text;
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            text = static_cast<const char*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }

    HWND memo_ = nullptr;
};

TEST_F(MemoBoxTest, TextGoesInAndComesOutByteForByte) {
    std::string text;
    for (int i = 0; i < 4000; ++i) {
        text += "alias F" + std::to_string(i % 12) + " \xB7\xC5\xB4\xF3\tzoom " + std::to_string(i);
        text += i % 3 == 0 ? "\n" : (i % 7 == 0 ? "\r" : "\r\n");
    }
    SetText(text);
    EXPECT_EQ(GetWindowTextLengthA(memo_), static_cast<int>(text.size()));
    EXPECT_EQ(Text(), text);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{0}));
    EXPECT_EQ(FirstVisibleLine(), 0);
    // Long lines wrap: more lines than line ends.
    EXPECT_GT(SendMessageA(memo_, EM_GETLINECOUNT, 0, 0), 4000);
    // A buffer too small gets whole characters only: "alias F0 " and 放, not half of 大.
    char small[13] = {};
    EXPECT_EQ(SendMessageA(memo_, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 11);
    EXPECT_STREQ(small, "alias F0 \xB7\xC5");
}

TEST_F(MemoBoxTest, TypingEnterBackspaceAndUndo) {
    SetText("ad");
    SetFocus(memo_);
    Select(1, 1);
    // 放 comes as its two bytes, one message each, in the middle of the text.
    Chars("b\xB7\xC5");
    PressKey(memo_, VK_RETURN);
    Chars("c");
    EXPECT_EQ(Text(), "ab\xB7\xC5\r\ncd");
    PressKey(memo_, VK_BACK);
    PressKey(memo_, VK_BACK);
    EXPECT_EQ(Text(),
              "ab\xB7\xC5"
              "d");
    Chars("\x1A");  // Ctrl+Z takes the last Backspace back
    EXPECT_EQ(Text(), "ab\xB7\xC5\r\nd");
    EXPECT_EQ(GetFocus(), memo_);
}

TEST_F(MemoBoxTest, KeysMoveTheCaretAndShiftSelects) {
    SetText("alias F2 zoom fit\r\nset x");
    SetFocus(memo_);
    PressKey(memo_, VK_END);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{17}, DWORD{17}));
    PressKey(memo_, VK_DOWN);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{24}, DWORD{24}));
    PressKey(memo_, VK_LEFT);
    PressKey(memo_, VK_LEFT);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{22}, DWORD{22}));
    HoldKeys({VK_SHIFT});
    PressKey(memo_, VK_HOME);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{19}, DWORD{22}));
    HoldKeys({VK_CONTROL});
    PressKey(memo_, VK_HOME);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{0}));
    PressKey(memo_, VK_RIGHT);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{6}, DWORD{6}));
    HoldKeys({VK_CONTROL, VK_SHIFT});
    PressKey(memo_, VK_END);
    EXPECT_EQ(Selection(), std::make_pair(DWORD{6}, DWORD{24}));
}

TEST_F(MemoBoxTest, ClipboardCopyCutPasteAndSelectAll) {
    SetText("alias F2 \xB7\xC5\xB4\xF3");
    Select(9, 13);
    SendMessageA(memo_, WM_COPY, 0, 0);
    EXPECT_EQ(Clipboard(), "\xB7\xC5\xB4\xF3");
    Select(0, 6);
    SendMessageA(memo_, WM_CUT, 0, 0);
    EXPECT_EQ(Text(), "F2 \xB7\xC5\xB4\xF3");
    EXPECT_EQ(Clipboard(), "alias ");
    Select(-2, -1);
    Select(7, 7);
    SendMessageA(memo_, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(),
              "F2 \xB7\xC5\xB4\xF3"
              "alias ");
    SetFocus(memo_);
    Chars("\x01");  // Ctrl+A
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{13}));
}

TEST_F(MemoBoxTest, TheMouseSelectsDraggingAndAWordWithADoubleClick) {
    SetText("alias F2 zoom fit\r\nset x");
    SendMessageA(memo_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 2));
    EXPECT_EQ(GetFocus(), memo_);
    EXPECT_EQ(GetCapture(), memo_);
    // Dragged right past the end of the first line.
    SendMessageA(memo_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(160, 2));
    SendMessageA(memo_, WM_LBUTTONUP, 0, MAKELPARAM(160, 2));
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{17}));
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(memo_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 2));
    SendMessageA(memo_, WM_LBUTTONUP, 0, MAKELPARAM(1, 2));
    SendMessageA(memo_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(1, 2));
    EXPECT_EQ(Selection(), std::make_pair(DWORD{0}, DWORD{5}));
}

TEST_F(MemoBoxTest, ScrollsByTheBarTheWheelAndToTheCaret) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += "line " + std::to_string(i) + (i < 299 ? "\r\n" : "");
    SetText(text);
    SCROLLINFO info = {sizeof info, SIF_ALL};
    ASSERT_TRUE(GetScrollInfo(memo_, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 299);
    const long page = static_cast<long>(info.nPage);
    ASSERT_GT(page, 3);
    SendMessageA(memo_, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(FirstVisibleLine(), page);
    SendMessageA(memo_, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(FirstVisibleLine(), page + 3);
    Select(static_cast<int>(text.size()), static_cast<int>(text.size()));
    SendMessageA(memo_, EM_SCROLLCARET, 0, 0);
    EXPECT_EQ(FirstVisibleLine(), 300 - page);
    info.fMask = SIF_POS;
    GetScrollInfo(memo_, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 300 - page);
    SendMessageA(memo_, EM_LINESCROLL, 0, -1000);
    EXPECT_EQ(FirstVisibleLine(), 0);
}

// How many pixels of the box's client area, drawn into a bitmap, have the
// colour.
int PixelsOf(HWND memo, COLORREF colour) {
    RECT client;
    GetClientRect(memo, &client);
    HDC screen = GetDC(memo);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(memo, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    int count = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) count += GetPixel(dc, x, y) == colour ? 1 : 0;
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(memo, screen);
    return count;
}

TEST_F(MemoBoxTest, DrawsBlackOnWhiteAndTheSelectionOnlyWithTheFocus) {
    SetText("");
    EXPECT_EQ(PixelsOf(memo_, RGB(0, 0, 0)), 0);
    SetText("alias F2 zoom fit\r\nset x");
    EXPECT_GT(PixelsOf(memo_, RGB(0, 0, 0)), 20);
    Select(0, 17);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(PixelsOf(memo_, highlight), 0);
    SetFocus(memo_);
    EXPECT_GT(PixelsOf(memo_, highlight), 100);
}

// The characters a paint draws, counted from a metafile the box prints
// itself into.
int CALLBACK CountDrawn(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM count) {
    if (record->iType == EMR_EXTTEXTOUTA || record->iType == EMR_EXTTEXTOUTW) {
        *reinterpret_cast<long*>(count) +=
            reinterpret_cast<const EMREXTTEXTOUTA*>(record)->emrtext.nChars;
    }
    return 1;
}

long CharactersDrawn(HWND memo) {
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    SendMessageA(memo, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    HENHMETAFILE file = CloseEnhMetaFile(dc);
    long count = 0;
    EnumEnhMetaFile(nullptr, file, CountDrawn, &count, nullptr);
    DeleteEnhMetaFile(file);
    return count;
}

TEST_F(MemoBoxTest, DrawsOnlyWhatLiesInsideTheBoxOfALongLine) {
    // Spaces never wrap: a million of them are one line far past the edge.
    SetText("alias F2 zoom fit\r\n" + std::string(1000000, ' ') + "x\r\nset x");
    SetFocus(memo_);
    Select(0, -1);
    const long drawn = CharactersDrawn(memo_);
    // The box is 184 pixels wide: each line twice at most (the selection).
    EXPECT_GT(drawn, 17);
    EXPECT_LT(drawn, 2000);
    // The word after the spaces wraps to a line of its own.
    EXPECT_EQ(SendMessageA(memo_, EM_GETLINECOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageA(memo_, EM_LINEINDEX, 2, 0), 19 + 1000000);
}

TEST_F(MemoBoxTest, ReadOnlyShowsSelectsAndCopiesButTakesNoChange) {
    SetText("alias F2 zoom fit");
    SendMessageA(memo_, EM_SETREADONLY, TRUE, 0);
    SetFocus(memo_);
    Select(0, 5);
    Chars("x\b\x16\x18\x1A");
    SendMessageA(memo_, WM_CLEAR, 0, 0);
    EXPECT_EQ(Text(), "alias F2 zoom fit");
    EXPECT_EQ(Clipboard(), "alias");
    // Enter and Esc are left to a dialog.
    EXPECT_EQ(SendMessageA(memo_, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, 0);
    SendMessageA(memo_, EM_SETREADONLY, FALSE, 0);
    Chars("x");
    EXPECT_EQ(Text(), "x F2 zoom fit");
}

}  // namespace
}  // namespace keyloom::test
