// What a skinned window looks like on the screen: background, buttons with
// their hover and pressed faces, group box, labels, borders, list header,
// title bar, in the skin's colours after the attach parameters, while the
// text colours the program chose stay.
#include <gtest/gtest.h>

#include <cstdlib>

#include "skin_test_support.h"

#include <commctrl.h>

namespace {

COLORREF Hex(unsigned v) {
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int Distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

// Whether any pixel of the window's client area satisfies `test`.
template <typename Test>
bool AnyPixel(HWND hwnd, Test test) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    HDC screen = GetDC(nullptr);
    bool found = false;
    for (int y = 0; y < rc.bottom && !found; ++y) {
        for (int x = 0; x < rc.right && !found; ++x) {
            found = test(GetPixel(screen, origin.x + x, origin.y + y));
        }
    }
    ReleaseDC(nullptr, screen);
    return found;
}

// Waits up to two seconds for a pixel of the whole window to take a colour
// (activation reaches the title bar with a delay under Wine).
COLORREF WaitForWindowPixel(HWND hwnd, int x, int y, COLORREF wanted) {
    COLORREF c = ScreenPixelOfWindow(hwnd, x, y);
    for (int i = 0; i < 40 && c != wanted; ++i) {
        PumpMessages(50);
        c = ScreenPixelOfWindow(hwnd, x, y);
    }
    return c;
}

POINT ScreenPoint(HWND hwnd, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

// One window, made hidden and skinned before it is first shown, as the
// program does it; the skin is the flat test skin with no adjustment.
class SkinPaint : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gOwnDesktop = UseOwnDesktop();
        gLib = LoadSkinLibrary();
        gWindow = CreateTestWindow();
        AddListRow(gWindow.list, "F2", "zoom fit");
        gAttached = gLib.attachRes && Attach(gLib, FlatTestSkin()) == 1;
        gAero = gLib.setAero && gLib.setAero(0) == 1;
        ShowAndPaint(gWindow.top);
    }
    static void TearDownTestSuite() { DestroyTestWindow(gWindow); }
    void SetUp() override {
        ASSERT_TRUE(gOwnDesktop);
        ASSERT_TRUE(gAttached);
        SetForegroundWindow(gWindow.top);
        ASSERT_TRUE(MovePointerAway());  // keep the pointer off the window
    }

    static bool gOwnDesktop;
    static SkinLibrary gLib;
    static TestWindow gWindow;
    static bool gAttached;
    static bool gAero;
};
bool SkinPaint::gOwnDesktop = false;
SkinLibrary SkinPaint::gLib;
TestWindow SkinPaint::gWindow;
bool SkinPaint::gAttached = false;
bool SkinPaint::gAero = false;

const COLORREF kWindow = Hex(0xC8D2DC);
const COLORREF kText = Hex(0x102030);
const COLORREF kButton = Hex(0x40A0E0);
const COLORREF kHover = Hex(0xE0A040);
const COLORREF kPressed = Hex(0x80E040);

TEST_F(SkinPaint, AttachAndAeroOffSucceed) {
    EXPECT_TRUE(gAero);
}

TEST_F(SkinPaint, ClientBackgroundAndLabelsUseTheSkinBackground) {
    EXPECT_EQ(ScreenPixelOfClient(gWindow.top, 400, 5), kWindow);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.top, 300, 280), kWindow);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.label, 40, 19), kWindow);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.redLabel, 60, 19), kWindow);
    // A label inside the group box asks the group box for its colours.
    EXPECT_EQ(ScreenPixelOfClient(gWindow.groupLabel, 95, 19), kWindow);
}

TEST_F(SkinPaint, ProgramTextColourStaysAndDefaultTextTakesTheSkins) {
    EXPECT_TRUE(AnyPixel(gWindow.redLabel, [](COLORREF c) {
        return GetRValue(c) > 200 && GetGValue(c) < 90 && GetBValue(c) < 90;
    })) << "the red count text is gone";
    EXPECT_TRUE(AnyPixel(gWindow.label, [](COLORREF c) { return Distance(c, kText) < 40; }));
    EXPECT_FALSE(AnyPixel(gWindow.label, [](COLORREF c) {
        return GetRValue(c) > 200 && GetGValue(c) < 90 && GetBValue(c) < 90;
    }));

    // The colour answer itself: the program's red survives, the background
    // and brush are the skin's.
    HDC dc = CreateCompatibleDC(nullptr);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(gWindow.top, WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(gWindow.redLabel)));
    EXPECT_EQ(GetTextColor(dc), kRedText);
    EXPECT_EQ(GetBkColor(dc), kWindow);
    LOGBRUSH info = {};
    ASSERT_TRUE(GetObjectA(brush, sizeof(info), &info));
    EXPECT_EQ(info.lbColor, kWindow);
    SendMessageA(gWindow.top, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(gWindow.label));
    EXPECT_EQ(GetTextColor(dc), kText);
    // Edit boxes keep their white.
    brush = reinterpret_cast<HBRUSH>(SendMessageA(gWindow.top, WM_CTLCOLOREDIT,
                                                  reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(gWindow.edit)));
    ASSERT_TRUE(GetObjectA(brush, sizeof(info), &info));
    EXPECT_EQ(info.lbColor, GetSysColor(COLOR_WINDOW));
    DeleteDC(dc);
}

TEST_F(SkinPaint, PushButtonHasTheSkinsFaceFrameAndCaption) {
    EXPECT_EQ(ScreenPixelOfClient(gWindow.button, 5, 5), kButton);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.button, 75, 35), kButton);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.button, 0, 20), Hex(0x202080));
    EXPECT_EQ(ScreenPixelOfClient(gWindow.button, 40, 0), Hex(0x202080));
    EXPECT_TRUE(AnyPixel(gWindow.button, [](COLORREF c) {
        return Distance(c, Hex(0x000010)) < 40;
    })) << "no caption text";
}

TEST_F(SkinPaint, ButtonFaceFollowsHover) {
    const POINT over = ScreenPoint(gWindow.button, 8, 8);
    ASSERT_TRUE(MovePointer(over.x, over.y));
    EXPECT_EQ(WaitForPixel(gWindow.button, 5, 5, kHover), kHover);
    const POINT away = ScreenPoint(gWindow.top, 400, 5);
    ASSERT_TRUE(MovePointer(away.x, away.y));
    EXPECT_EQ(WaitForPixel(gWindow.button, 5, 5, kButton), kButton);
}

TEST_F(SkinPaint, ButtonFaceFollowsPressedState) {
    SendMessageA(gWindow.button, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(WaitForPixel(gWindow.button, 5, 5, kPressed), kPressed);
    SendMessageA(gWindow.button, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(WaitForPixel(gWindow.button, 5, 5, kButton), kButton);
}

TEST_F(SkinPaint, FocusAndCaptionChangesKeepTheSkinsFace) {
    // The system's button procedure paints these straight onto the screen.
    // Column 2 lies between the frame and the focus rectangle at any DPI.
    SetFocus(gWindow.button);
    PumpMessages(50);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.button, 2, 20), kButton);
    SetWindowTextA(gWindow.button, "修改");
    PumpMessages(50);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.button, 2, 20), kButton);
    SetFocus(gWindow.edit);
    PumpMessages(50);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.button, 2, 20), kButton);
}

TEST_F(SkinPaint, GroupBoxHasTheSkinsFrameOnTheSkinsBackground) {
    EXPECT_EQ(ScreenPixelOfClient(gWindow.group, 0, 50), Hex(0xA02060));
    EXPECT_EQ(ScreenPixelOfClient(gWindow.group, 149, 50), Hex(0xA02060));
    EXPECT_EQ(ScreenPixelOfClient(gWindow.group, 75, 99), Hex(0xA02060));
    EXPECT_EQ(ScreenPixelOfClient(gWindow.group, 140, 90), kWindow);
    // The top line runs at half the caption's height, interrupted by it.
    int top = -1;
    for (int y = 0; y < 20 && top < 0; ++y) {
        if (ScreenPixelOfClient(gWindow.group, 145, y) == Hex(0xA02060)) top = y;
    }
    ASSERT_GT(top, 2);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.group, 5, top), Hex(0xA02060));
    for (int x = 12; x < 60; ++x) {
        EXPECT_NE(ScreenPixelOfClient(gWindow.group, x, top), Hex(0xA02060)) << x;
    }
}

TEST_F(SkinPaint, EditAndListBordersUseTheSkinsColours) {
    EXPECT_EQ(ScreenPixelOfWindow(gWindow.edit, 0, 12), Hex(0x20A060));
    EXPECT_EQ(ScreenPixelOfWindow(gWindow.edit, 1, 12), Hex(0xF0E0D0));
    EXPECT_EQ(ScreenPixelOfWindow(gWindow.edit, 119, 12), Hex(0x20A060));
    EXPECT_EQ(ScreenPixelOfWindow(gWindow.list, 0, 60), Hex(0x6020A0));
    EXPECT_EQ(ScreenPixelOfWindow(gWindow.list, 115, 129), Hex(0x6020A0));
    // Inside stays white.
    EXPECT_EQ(ScreenPixelOfClient(gWindow.edit, 100, 10), GetSysColor(COLOR_WINDOW));
}

TEST_F(SkinPaint, ListHeaderIsDrawnInTheSkin) {
    EXPECT_EQ(ScreenPixelOfClient(gWindow.header, 3, 3), Hex(0xD0C040));
    EXPECT_EQ(ScreenPixelOfClient(gWindow.header, 200, 3), Hex(0xD0C040));  // past the columns
    RECT item;
    ASSERT_TRUE(SendMessageA(gWindow.header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(ScreenPixelOfClient(gWindow.header, item.right - 1, item.bottom / 2), Hex(0x303030));
    EXPECT_TRUE(AnyPixel(gWindow.header, [](COLORREF c) { return Distance(c, RGB(0, 0, 0)) < 60; }))
        << "no column titles";
}

TEST_F(SkinPaint, HeldHeaderItemIsDrawnPressed) {
    SendMessageA(gWindow.header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
    EXPECT_EQ(WaitForPixel(gWindow.header, 3, 3, Hex(0x4060D0)), Hex(0x4060D0));
    SendMessageA(gWindow.header, WM_LBUTTONUP, 0, MAKELPARAM(20, 5));
    EXPECT_EQ(WaitForPixel(gWindow.header, 3, 3, Hex(0xD0C040)), Hex(0xD0C040));
}

TEST_F(SkinPaint, CustomChildClassIsLeftAlone) {
    EXPECT_EQ(GetWindowLongPtrA(gWindow.link, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(LinkClassProc()));
    EXPECT_EQ(ScreenPixelOfClient(gWindow.link, 140, 10), GetSysColor(COLOR_BTNFACE));
}

// The frame and title bar, where clicks still land on the system's buttons.
TEST_F(SkinPaint, TitleBarAndFrameAreDrawnInTheSkin) {
    RECT rc;
    GetWindowRect(gWindow.top, &rc);
    const int width = rc.right - rc.left;
    const int frame = GetSystemMetrics(SM_CXDLGFRAME);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(ScreenPixelOfWindow(gWindow.top, 0, 100), Hex(0x101010));
    EXPECT_EQ(ScreenPixelOfWindow(gWindow.top, 1, 100), Hex(0x5060A0));
    ASSERT_EQ(WaitForWindowPixel(gWindow.top, width / 2, frame + 2, Hex(0x2050B0)), Hex(0x2050B0));

    // Title text in the skin's caption text colour.
    bool text = false;
    for (int x = frame; x < width / 2 && !text; ++x) {
        for (int y = frame; y < frame + caption - 1 && !text; ++y) {
            text = Distance(ScreenPixelOfWindow(gWindow.top, x, y), Hex(0xFFFFF0)) < 60;
        }
    }
    EXPECT_TRUE(text) << "no title text";

    // The close glyph sits where the system's hit test finds the close
    // button, the minimise glyph where it finds minimise.
    auto hit = [&](int x, int y) {
        return SendMessageA(gWindow.top, WM_NCHITTEST, 0, MAKELPARAM(rc.left + x, rc.top + y));
    };
    auto glyphIn = [&](int left, int right) {
        for (int x = left; x < right; ++x) {
            for (int y = frame; y < frame + caption - 1; ++y) {
                if (ScreenPixelOfWindow(gWindow.top, x, y) == Hex(0xF0F0FF)) return x;
            }
        }
        return -1;
    };
    const int close = glyphIn(width - frame - caption, width - frame);
    ASSERT_GE(close, 0) << "no close glyph";
    EXPECT_EQ(hit(close, frame + caption / 2), HTCLOSE);
    const int buttonWidth = GetSystemMetrics(SM_CXSIZE);
    const int minimise =
        glyphIn(width - frame - caption - 2 * buttonWidth, width - frame - caption - buttonWidth);
    ASSERT_GE(minimise, 0) << "no minimise glyph";
    EXPECT_EQ(hit(minimise, frame + caption / 2), HTMINBUTTON);
}

TEST_F(SkinPaint, InactiveTitleBarUsesTheInactiveColours) {
    RECT rc;
    GetWindowRect(gWindow.top, &rc);
    const int x = (rc.right - rc.left) / 2, y = GetSystemMetrics(SM_CYDLGFRAME) + 2;
    TestWindow other = CreateTestWindow(600, 500);
    ShowAndPaint(other.top);
    SetForegroundWindow(other.top);
    EXPECT_EQ(WaitForWindowPixel(gWindow.top, x, y, Hex(0x9098A0)), Hex(0x9098A0));
    DestroyTestWindow(other);
    SetForegroundWindow(gWindow.top);
    EXPECT_EQ(WaitForWindowPixel(gWindow.top, x, y, Hex(0x2050B0)), Hex(0x2050B0));
}

TEST_F(SkinPaint, RenamingTheWindowKeepsTheSkinsTitleBar) {
    RECT rc;
    GetWindowRect(gWindow.top, &rc);
    const int x = (rc.right - rc.left) / 2, y = GetSystemMetrics(SM_CYDLGFRAME) + 2;
    const COLORREF before = WaitForWindowPixel(gWindow.top, x, y, Hex(0x2050B0));
    ASSERT_TRUE(before == Hex(0x2050B0) || before == Hex(0x9098A0));
    SetWindowTextA(gWindow.top, "Allegro Keyloom");
    PumpMessages(50);
    EXPECT_EQ(ScreenPixelOfWindow(gWindow.top, x, y), before);
}

// Last: attaching again from the same thread replaces the skin, and the
// attach parameters change the colours drawn.
TEST_F(SkinPaint, ZReattachWithParametersRecoloursEverything) {
    const std::string flat = FlatTestSkin();
    ASSERT_EQ(Attach(gLib, flat, 120, 0, 0), 1);
    PumpMessages(150);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.top, 400, 5), SkinColour(flat, "window", 120));
    EXPECT_EQ(ScreenPixelOfClient(gWindow.button, 5, 5), SkinColour(flat, "button.top", 120));
    EXPECT_EQ(ScreenPixelOfClient(gWindow.header, 3, 3), SkinColour(flat, "header.top", 120));
    EXPECT_NE(SkinColour(flat, "button.top", 120), kButton);

    // Skin 1 as the program attaches it.
    const std::string skin1 = ReadShippedSkin(1);
    ASSERT_EQ(Attach(gLib, skin1, 110, 40, 10), 1);
    PumpMessages(150);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.top, 400, 5), SkinColour(skin1, "window", 110, 40, 10));
    EXPECT_EQ(ScreenPixelOfWindow(gWindow.edit, 0, 12),
              SkinColour(skin1, "edit.border", 110, 40, 10));
    // Gradient faces: near the top colour at the top, near the bottom one
    // at the bottom.
    EXPECT_LT(Distance(ScreenPixelOfClient(gWindow.button, 40, 1),
                       SkinColour(skin1, "button.top", 110, 40, 10)),
              12);
    EXPECT_LT(Distance(ScreenPixelOfClient(gWindow.button, 40, 38),
                       SkinColour(skin1, "button.bottom", 110, 40, 10)),
              12);
    EXPECT_LT(Distance(ScreenPixelOfClient(gWindow.header, 3, 1),
                       SkinColour(skin1, "header.top", 110, 40, 10)),
              12);
    // The red count still red.
    EXPECT_TRUE(AnyPixel(gWindow.redLabel, [](COLORREF c) {
        return GetRValue(c) > 200 && GetGValue(c) < 90 && GetBValue(c) < 90;
    }));
}

}  // namespace
