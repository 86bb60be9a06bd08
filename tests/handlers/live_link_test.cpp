// The logo picture and the hyperlink as they are in the real main window.
#include <gtest/gtest.h>

#include <string>

#include "tests/handlers/link_window_fixture.h"
#include "tests/harness/harness.h"
#include "tests/platform/shell_recorder.h"
#include "tests/window/link_window.h"
#include "window/controls/hyperlink.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using LiveLinkTest = LiveWindowTest;

constexpr const char* kLogo = "图片框1";

TEST_F(LiveLinkTest, ButtonDownOnTheLogoOpensTheKeyloomSiteWithoutARelease) {
    ShellRecorder shell;
    SendMessageA(ControlWindow(kLogo), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 12));
    ASSERT_EQ(shell.shellCalls.size(), 1u);
    const ShellCall& call = shell.shellCalls[0];
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, "http://keyloom.example.com/");
    EXPECT_FALSE(call.hasParameters);
    EXPECT_FALSE(call.hasDirectory);
    EXPECT_EQ(call.show, SW_SHOWNORMAL);
}

TEST_F(LiveLinkTest, OnlyTheLeftButtonGoingDownOpensTheLogoSite) {
    ShellRecorder shell;
    HWND logo = ControlWindow(kLogo);
    SendMessageA(logo, WM_LBUTTONUP, 0, MAKELPARAM(40, 12));
    SendMessageA(logo, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(40, 12));
    SendMessageA(logo, WM_MOUSEMOVE, 0, MAKELPARAM(40, 12));
    PumpMessages();
    EXPECT_TRUE(shell.shellCalls.empty());
    PressControl(kLogo);  // down and up: one open
    EXPECT_EQ(shell.shellCalls.size(), 1u);
}

TEST_F(LiveLinkTest, LinkIsOurControlShowingTheAdvertisementInItsFont) {
    HWND link = ControlWindow(kLink);
    ASSERT_NE(link, nullptr);
    char className[64] = {};
    GetClassNameA(link, className, sizeof(className));
    EXPECT_STREQ(className, kHyperlinkClassName);
    char caption[128] = {};
    GetWindowTextA(link, caption, sizeof(caption));
    EXPECT_STREQ(caption, kAdvertisementCaption);

    HFONT font = reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    ASSERT_TRUE(font && GetObjectA(font, sizeof(description), &description));
    EXPECT_EQ(description.lfHeight, -10);
    EXPECT_EQ(description.lfWeight, 400);
    EXPECT_EQ(description.lfCharSet, GB2312_CHARSET);
    EXPECT_STREQ(description.lfFaceName, "");
    EXPECT_EQ(HyperlinkCaptionColour(link), kHyperlinkNormalColour);
}

TEST_F(LiveLinkTest, LinkBackgroundMatchesTheLabelsOfTheWindow) {
    Drawing link = DrawClientArea(ControlWindow(kLink));
    Drawing label = DrawClientArea(ControlWindow("标签1"));
    EXPECT_EQ(link.At(0, 0), label.At(0, 0));
    EXPECT_EQ(link.At(link.width - 1, link.height - 1), label.At(0, 0));
}

TEST_F(LiveLinkTest, LinkOpensItsAdvertisedAddressOnButtonDown) {
    ShellRecorder shell;
    SendMessageA(ControlWindow(kLink), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 12));
    ASSERT_EQ(shell.shellCalls.size(), 1u);
    EXPECT_EQ(shell.shellCalls[0].file, "http://boardloom.example.com/");
    EXPECT_EQ(shell.shellCalls[0].show, SW_SHOW);
    EXPECT_EQ(HyperlinkCaptionColour(ControlWindow(kLink)), kHyperlinkVisitedColour);
}

TEST_F(LiveLinkTest, PressingTheLinkLeavesTheFocusWhereItWas) {
    ShellRecorder shell;
    FocusControl("编辑框2");
    HWND focused = GetFocus();
    PressControl(kLink);
    EXPECT_EQ(GetFocus(), focused);
}

}  // namespace
}  // namespace keyloom::test
