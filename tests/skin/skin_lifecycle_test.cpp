// The skin over the life of the program's windows: windows and message
// boxes made after the attach, windows destroyed (with the program's own
// subclass on top), translucency on and off, and the one-thread rule.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "skin_test_support.h"

namespace {

const COLORREF kWindow = RGB(0xC8, 0xD2, 0xDC);
const COLORREF kButton = RGB(0x40, 0xA0, 0xE0);

class SkinLifecycle : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gOwnDesktop = UseOwnDesktop();
        gLib = LoadSkinLibrary();
        gWindow = CreateTestWindow();
        gAttached = gLib.attachRes && Attach(gLib, FlatTestSkin()) == 1 && gLib.setAero(0) == 1;
        ShowAndPaint(gWindow.top);
    }
    static void TearDownTestSuite() { DestroyTestWindow(gWindow); }
    void SetUp() override {
        ASSERT_TRUE(gOwnDesktop);
        ASSERT_TRUE(gAttached);
        ASSERT_TRUE(MovePointerAway());
    }

    static bool gOwnDesktop;
    static SkinLibrary gLib;
    static TestWindow gWindow;
    static bool gAttached;
};
bool SkinLifecycle::gOwnDesktop = false;
SkinLibrary SkinLifecycle::gLib;
TestWindow SkinLifecycle::gWindow;
bool SkinLifecycle::gAttached = false;

LONG_PTR ClassProc(HWND hwnd) {
    return static_cast<LONG_PTR>(GetClassLongPtrA(hwnd, GCLP_WNDPROC));
}

// The first window is hidden meanwhile, so that none of its pixels, in the
// same colours, can stand in for the later window's; the later one takes its
// place, which lies on the desktop however small the desktop is.
TEST_F(SkinLifecycle, WindowsMadeAfterTheAttachAreSkinned) {
    ShowWindow(gWindow.top, SW_HIDE);
    TestWindow later = CreateTestWindow();
    EXPECT_NE(GetWindowLongPtrA(later.top, GWLP_WNDPROC), ClassProc(later.top));
    EXPECT_NE(GetWindowLongPtrA(later.button, GWLP_WNDPROC), ClassProc(later.button));
    EXPECT_NE(GetWindowLongPtrA(later.header, GWLP_WNDPROC), ClassProc(later.header));
    EXPECT_EQ(GetWindowLongPtrA(later.link, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(LinkClassProc()));
    ShowAndPaint(later.top);
    EXPECT_EQ(WaitForPixel(later.top, 400, 5, kWindow), kWindow);
    EXPECT_EQ(WaitForPixel(later.button, 5, 5, kButton), kButton);
    EXPECT_EQ(WaitForPixel(later.header, 3, 3, RGB(0xD0, 0xC0, 0x40)), RGB(0xD0, 0xC0, 0x40));
    DestroyTestWindow(later);
    ShowAndPaint(gWindow.top);
}

// Inspects the message box from a timer inside its modal loop, then closes it.
struct BoxSeen {
    bool found = false;
    COLORREF background = CLR_INVALID;
    COLORREF buttonFace = CLR_INVALID;
    bool subclassed = false;
};
BoxSeen gBox;

BOOL CALLBACK FindBoxButton(HWND child, LPARAM found) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof(cls));
    if (lstrcmpiA(cls, "Button") == 0) {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK InspectBox(HWND hwnd, LPARAM) {
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    gBox.found = true;
    gBox.subclassed = GetWindowLongPtrA(hwnd, GWLP_WNDPROC) != ClassProc(hwnd);
    gBox.background = ScreenPixelOfClient(hwnd, 2, 2);
    HWND button = nullptr;
    EnumChildWindows(hwnd, FindBoxButton, reinterpret_cast<LPARAM>(&button));
    if (button) gBox.buttonFace = ScreenPixelOfClient(button, 4, 4);
    PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK OnBoxTimer(HWND, UINT, UINT_PTR id, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), InspectBox, 0);
    if (gBox.found) KillTimer(nullptr, id);
}

TEST_F(SkinLifecycle, MessageBoxesAreSkinned) {
    gBox = BoxSeen{};
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, OnBoxTimer);
    const int answer = MessageBoxA(nullptr, "存储失败！", "信息：", MB_OK);
    KillTimer(nullptr, timer);
    EXPECT_EQ(answer, IDOK);
    ASSERT_TRUE(gBox.found);
    EXPECT_TRUE(gBox.subclassed);
    EXPECT_EQ(gBox.background, kWindow);
    EXPECT_EQ(gBox.buttonFace, kButton);
}

// The program's own subclass on top of the skin's, as a program might add
// after the attach: it must see every message to the end.
WNDPROC gPrevious = nullptr;
int gDestroyedSeen = 0;
bool gSkinRecordGone = false;

LRESULT CALLBACK ProgramSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT r = CallWindowProcA(gPrevious, hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        ++gDestroyedSeen;
        gSkinRecordGone = GetPropA(hwnd, "KeyloomSkinWindow") == nullptr;
    }
    return r;
}

TEST_F(SkinLifecycle, DestroyingSkinnedWindowsChainsToTheEndAndCleansUp) {
    TestWindow w = CreateTestWindow(600, 140);
    ShowAndPaint(w.top);
    gPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(w.button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProgramSubclass)));
    gDestroyedSeen = 0;
    gSkinRecordGone = false;
    // Still drawn by the skin underneath the program's subclass.
    InvalidateRect(w.button, nullptr, TRUE);
    PumpMessages(50);
    EXPECT_EQ(ScreenPixelOfClient(w.button, 5, 5), kButton);
    DestroyTestWindow(w);
    EXPECT_EQ(gDestroyedSeen, 1);
    EXPECT_TRUE(gSkinRecordGone);
}

TEST_F(SkinLifecycle, ManyWindowsComeAndGo) {
    for (int i = 0; i < 30; ++i) {
        TestWindow w = CreateTestWindow(600, 100);
        if (i % 10 == 0) ShowAndPaint(w.top);
        AddListRow(w.list, "F5", "zoom out");
        DestroyTestWindow(w);
    }
    // The first window is still skinned and works.
    InvalidateRect(gWindow.top, nullptr, TRUE);
    PumpMessages(100);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.button, 5, 5), kButton);
}

bool Layered(HWND hwnd, BYTE* alpha = nullptr) {
    if (!(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return false;
    BYTE a = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(hwnd, nullptr, &a, &flags)) return false;
    if (alpha) *alpha = (flags & LWA_ALPHA) ? a : 255;
    return true;
}

TEST_F(SkinLifecycle, AeroMakesTopLevelWindowsTranslucentAndBack) {
    // A window the program made layered itself keeps its own setting.
    TestWindow own = CreateTestWindow(600, 160);
    SetWindowLongA(own.top, GWL_EXSTYLE, GetWindowLongA(own.top, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(own.top, 0, 100, LWA_ALPHA);

    EXPECT_EQ(gLib.setAero(1), 1);
    BYTE alpha = 0;
    EXPECT_TRUE(Layered(gWindow.top, &alpha));
    EXPECT_EQ(alpha, 230);
    EXPECT_FALSE(GetWindowLongA(gWindow.button, GWL_EXSTYLE) & WS_EX_LAYERED);
    TestWindow later = CreateTestWindow(620, 180);
    EXPECT_TRUE(Layered(later.top, &alpha));
    EXPECT_EQ(alpha, 230);
    ShowAndPaint(later.top);
    EXPECT_TRUE(Layered(own.top, &alpha));
    EXPECT_EQ(alpha, 100);

    EXPECT_EQ(gLib.setAero(0), 1);
    EXPECT_FALSE(Layered(gWindow.top));
    EXPECT_FALSE(Layered(later.top));
    EXPECT_TRUE(Layered(own.top, &alpha));
    EXPECT_EQ(alpha, 100);
    PumpMessages(100);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.top, 400, 5), kWindow);
    DestroyTestWindow(later);
    DestroyTestWindow(own);
}

TEST_F(SkinLifecycle, AnotherThreadCannotTakeTheSkinOver) {
    int result = -1;
    std::thread other([&] { result = Attach(gLib, FlatTestSkin()); });
    other.join();
    EXPECT_EQ(result, 0);
    // A bad skin from the skin's own thread is refused and the skin stays.
    EXPECT_EQ(Attach(gLib, "KEYLOOM-SKIN 1\nend\n"), 0);
    InvalidateRect(gWindow.top, nullptr, TRUE);
    PumpMessages(100);
    EXPECT_EQ(ScreenPixelOfClient(gWindow.top, 400, 5), kWindow);
}

}  // namespace
