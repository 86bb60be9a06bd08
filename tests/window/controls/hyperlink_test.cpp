// The hyperlink control: its colours under the pointer, mouse capture, the
// open on button down and the visited colour it leaves.
#include <gtest/gtest.h>

#include <string>

#include "tests/platform/shell_recorder.h"
#include "tests/window/link_window.h"
#include "window/controls/hyperlink.h"

namespace keyloom {
namespace {

using test::DrawClientArea;
using test::Drawing;
using test::LinkWindow;
using test::ShellRecorder;

constexpr COLORREF kColours[] = {kHyperlinkHoverColour, kHyperlinkVisitedColour,
                                 kHyperlinkNormalColour};

// The caption shows in exactly one of the three colours: this one.
void ExpectCaptionDrawnIn(HWND link, COLORREF colour) {
    EXPECT_EQ(HyperlinkCaptionColour(link), colour);
    Drawing drawing = DrawClientArea(link);
    for (COLORREF other : kColours) {
        if (other == colour) {
            EXPECT_GT(drawing.Count(other), 10) << std::hex << other;
        } else {
            EXPECT_EQ(drawing.Count(other), 0) << std::hex << other;
        }
    }
}

bool NeedsRedraw(HWND link) {
    return GetUpdateRect(link, nullptr, FALSE) != FALSE;
}

TEST(Hyperlink, NewLinkDrawsBlueCaptionOnButtonFaceWithoutBorder) {
    LinkWindow window;
    ExpectCaptionDrawnIn(window.link(), kHyperlinkNormalColour);
    Drawing drawing = DrawClientArea(window.link());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(drawing.width, 192);
    EXPECT_EQ(drawing.height, 24);
    for (int x = 0; x < drawing.width; ++x) {
        EXPECT_EQ(drawing.At(x, 0), face) << x;
        EXPECT_EQ(drawing.At(x, drawing.height - 1), face) << x;
    }
    EXPECT_EQ(GetWindowLongA(window.link(), GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE),
              0);
    EXPECT_EQ(GetWindowLongA(window.link(), GWL_STYLE) & WS_BORDER, 0);
}

// A parent that colours its labels as a skin does: its own background and
// black text.
constexpr COLORREF kSkinBackground = RGB(232, 236, 241);
WNDPROC gPlainParentProc = nullptr;
HBRUSH gSkinBrush = nullptr;

LRESULT CALLBACK SkinnedParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(gSkinBrush);
    }
    return CallWindowProcA(gPlainParentProc, window, message, wParam, lParam);
}

TEST(Hyperlink, BackgroundIsWhatTheParentGivesItsLabelsButTheCaptionKeepsItsColour) {
    LinkWindow window;
    HWND parent = GetParent(window.link());
    gSkinBrush = CreateSolidBrush(kSkinBackground);
    gPlainParentProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinnedParentProc)));
    Drawing drawing = DrawClientArea(window.link());
    SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPlainParentProc));
    DeleteObject(gSkinBrush);

    EXPECT_EQ(drawing.At(0, 0), kSkinBackground);
    EXPECT_EQ(drawing.At(191, 23), kSkinBackground);
    EXPECT_GT(drawing.Count(kHyperlinkNormalColour), 10);
    EXPECT_EQ(drawing.Count(RGB(0, 0, 0)), 0);
}

TEST(Hyperlink, AdvertisementFitsOnOneLineOfTheLink) {
    LinkWindow window;
    HDC dc = GetDC(window.link());
    HGDIOBJ old = SelectObject(dc, window.font());
    SIZE extent{};
    GetTextExtentPoint32A(dc, kAdvertisementCaption,
                          static_cast<int>(std::string(kAdvertisementCaption).size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(window.link(), dc);
    EXPECT_GT(extent.cx, 0);
    EXPECT_LT(extent.cx, 192);
    char caption[128] = {};
    GetWindowTextA(window.link(), caption, sizeof(caption));
    EXPECT_STREQ(caption, kAdvertisementCaption);
}

TEST(Hyperlink, PointerOverLinkTurnsItLightBlueAndTakesTheMouse) {
    LinkWindow window;
    ValidateRect(window.link(), nullptr);
    window.MoveTo(20, 12);
    EXPECT_EQ(GetCapture(), window.link());
    EXPECT_TRUE(NeedsRedraw(window.link()));
    ExpectCaptionDrawnIn(window.link(), kHyperlinkHoverColour);
}

TEST(Hyperlink, PointerLeavingReleasesTheMouseAndTurnsItBlueAgain) {
    const POINT outside[] = {{-1, 12}, {192, 12}, {20, -1}, {20, 24}, {300, 300}};
    for (POINT point : outside) {
        LinkWindow window;
        window.MoveTo(191, 23);  // the last pixel inside
        ASSERT_EQ(GetCapture(), window.link());
        ValidateRect(window.link(), nullptr);
        window.MoveTo(point.x, point.y);
        EXPECT_EQ(GetCapture(), nullptr) << point.x << "," << point.y;
        EXPECT_TRUE(NeedsRedraw(window.link()));
        ExpectCaptionDrawnIn(window.link(), kHyperlinkNormalColour);
    }
}

TEST(Hyperlink, LinkThatLostTheMouseTakesItBackOnTheNextMoveInside) {
    LinkWindow window;
    window.MoveTo(5, 5);
    ReleaseCapture();
    ASSERT_EQ(GetCapture(), nullptr);
    window.MoveTo(6, 5);
    EXPECT_EQ(GetCapture(), window.link());
    ExpectCaptionDrawnIn(window.link(), kHyperlinkHoverColour);
}

TEST(Hyperlink, SuccessfulOpenLeavesDarkRedOncePointerLeaves) {
    ShellRecorder shell;
    LinkWindow window;
    window.MoveTo(10, 10);
    ValidateRect(window.link(), nullptr);
    window.Press(10, 10);
    EXPECT_TRUE(NeedsRedraw(window.link()));
    window.MoveTo(10, 40);
    ExpectCaptionDrawnIn(window.link(), kHyperlinkVisitedColour);
}

TEST(Hyperlink, OpenThroughTheWebPageAssociationCountsAsVisited) {
    ShellRecorder shell;
    shell.shellResult = 31;
    shell.classesRoot[".htm"] = "htmlfile";
    shell.classesRoot["htmlfile\\shell\\open\\command"] = "\"C:\\Web\\b.exe\" \"%1\"";
    LinkWindow window;
    window.Press(10, 10);
    ASSERT_EQ(shell.winExecCalls.size(), 1u);
    EXPECT_EQ(shell.winExecCalls[0].commandLine,
              "\"C:\\Web\\b.exe\"  http://boardloom.example.com/");
    ExpectCaptionDrawnIn(window.link(), kHyperlinkVisitedColour);
}

TEST(Hyperlink, FailedOpenClearsTheVisitedColour) {
    ShellRecorder shell;
    LinkWindow window;
    window.Press(10, 10);
    ASSERT_EQ(HyperlinkCaptionColour(window.link()), kHyperlinkVisitedColour);

    shell.shellResult = 2;  // no browser, and no association to fall back on
    window.MoveTo(10, 10);
    window.Press(10, 10);
    window.MoveTo(-5, 10);
    ExpectCaptionDrawnIn(window.link(), kHyperlinkNormalColour);

    shell.winExecResult = 2;  // the association's program fails as well
    shell.classesRoot[".htm"] = "htmlfile";
    shell.classesRoot["htmlfile\\shell\\open\\command"] = "b.exe %1";
    shell.shellResult = 42;
    window.Press(10, 10);
    ASSERT_EQ(HyperlinkCaptionColour(window.link()), kHyperlinkVisitedColour);
    shell.shellResult = 0;
    window.Press(10, 10);
    EXPECT_EQ(shell.winExecCalls.size(), 1u);
    ExpectCaptionDrawnIn(window.link(), kHyperlinkNormalColour);
}

TEST(Hyperlink, LinkWithoutTargetOpensNothing) {
    ShellRecorder shell;
    LinkWindow window;
    SetHyperlinkTarget(window.link(), "");
    window.Press(10, 10);
    EXPECT_TRUE(shell.shellCalls.empty());
    ExpectCaptionDrawnIn(window.link(), kHyperlinkNormalColour);
}

TEST(Hyperlink, EachLinkKeepsItsOwnState) {
    ShellRecorder shell;
    LinkWindow first;
    LinkWindow second;
    first.Press(10, 10);
    first.MoveTo(10, 10);
    EXPECT_EQ(HyperlinkCaptionColour(first.link()), kHyperlinkHoverColour);
    EXPECT_EQ(HyperlinkCaptionColour(second.link()), kHyperlinkNormalColour);
    first.MoveTo(-1, -1);
    EXPECT_EQ(HyperlinkCaptionColour(first.link()), kHyperlinkVisitedColour);
    EXPECT_EQ(HyperlinkCaptionColour(second.link()), kHyperlinkNormalColour);
}

TEST(Hyperlink, CaptionIsDrawnWithTheFontItIsGiven) {
    LinkWindow window;
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(window.link(), WM_GETFONT, 0, 0)),
              window.font());
    int smallRows = DrawClientArea(window.link()).RowsWith(kHyperlinkNormalColour);

    HFONT large = test::CreateLinkFont(-20);
    SendMessageA(window.link(), WM_SETFONT, reinterpret_cast<WPARAM>(large), FALSE);
    int largeRows = DrawClientArea(window.link()).RowsWith(kHyperlinkNormalColour);
    SendMessageA(window.link(), WM_SETFONT, reinterpret_cast<WPARAM>(window.font()), FALSE);
    DeleteObject(large);

    EXPECT_GT(smallRows, 4);
    EXPECT_LE(smallRows, 11);
    EXPECT_GT(largeRows, smallRows + 4);
}

}  // namespace
}  // namespace keyloom
