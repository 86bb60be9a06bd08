// The window at the DPI of its screen, run once at 96 DPI and once at 144
// (150 %): every length is its 96-DPI value scaled once, the captions fit
// as they do at 96 DPI, and a change of DPI lays the window out anew.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/window/window_fixture.h"
#include "window/controls/app_cursor.h"
#include "window/controls/control_cursor.h"
#include "window/controls/control_ids.h"
#include "window/controls/control_table.h"
#include "window/controls/dpi_layout.h"
#include "window/controls/fonts.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

// A 96-DPI length at dpi, as a ruler would measure it: within a pixel.
void ExpectScaled(int pixels, int value96, unsigned dpi, const std::string& what) {
    const double exact = value96 * static_cast<double>(dpi) / 96.0;
    EXPECT_LE(std::abs(pixels - exact), 1.0) << what << ": " << pixels << " for " << value96;
}

RECT PlaceInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectLayoutAt(unsigned dpi) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& spec = kControls[i];
        HWND control = ControlWindow(spec.name);
        if (!control) continue;
        const RECT place = PlaceInParent(control);
        // The link slides; its left edge is checked by the slide.
        if (spec.kind != ControlKind::Hyperlink)
            ExpectScaled(place.left, spec.left, dpi, spec.name);
        ExpectScaled(place.top, spec.top, dpi, spec.name);
        ExpectScaled(place.right - place.left, spec.width, dpi, spec.name);
        ExpectScaled(place.bottom - place.top, spec.height, dpi, spec.name);
    }
}

LONG FontHeight(const char* name) {
    LOGFONTW font = {};
    HFONT handle = reinterpret_cast<HFONT>(SendMessageW(ControlWindow(name), WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof font, &font);
    return font.lfHeight;
}

TEST_F(MainWindowTest, EveryControlHasItsPlaceAndSizeScaledToTheDpi) {
    const unsigned dpi = MainWindowDpi();
    ExpectLayoutAt(dpi);
    RECT window;
    GetWindowRect(window_, &window);
    ExpectScaled(window.right - window.left, 402, dpi, "window width");
    ExpectScaled(window.bottom - window.top, 325, dpi, "window height");
    // The corner of the described size, centred on the screen.
    EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - ScaledToWindow(613)) / 2);
    EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - ScaledToWindow(328)) / 2);
    HWND list = ControlWindow("超级列表框1");
    // The three columns, side by side beside the vertical scroll bar.
    int total = 0;
    const int widths[] = {72, 170, 56};
    for (int column = 0; column < 3; ++column) {
        const int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
        ExpectScaled(width, widths[column], dpi, "column " + std::to_string(column));
        total += width;
    }
    RECT client;
    GetClientRect(list, &client);
    // A vertical scroll bar is 17 pixels wide at 96 DPI.
    EXPECT_LE(total, client.right - MulDiv(17, static_cast<int>(dpi), 96));
    EXPECT_EQ(FontHeight("编辑框1"), MulDiv(-12, static_cast<int>(dpi), 96));
    EXPECT_EQ(FontHeight("超级链接框1"), MulDiv(-10, static_cast<int>(dpi), 96));
}

TEST_F(MainWindowTest, ThePanelWidthsAndTheirTestScale) {
    const unsigned dpi = MainWindowDpi();
    ClickButton("按钮_添加");
    ExpectScaled(MainWindowWidth(), 610, dpi, "shown");
    ClickButton("按钮_添加");
    ExpectScaled(MainWindowWidth(), 402, dpi, "hidden");
    // Just below 606 scaled the panel counts as hidden, so Add shows it.
    SetMainWindowWidth(ScaledToWindow(606) - 1);
    ClickButton("按钮_添加");
    ExpectScaled(MainWindowWidth(), 610, dpi, "shown from just below 606");
}

// The width and height of a caption in the control's own font.
SIZE CaptionExtent(HWND control, HFONT font) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

TEST_F(MainWindowTest, EveryCaptionFitsItsControlAsAt96Dpi) {
    const unsigned dpi = MainWindowDpi();
    WindowFonts at96 = MakeWindowFonts(96);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& spec = kControls[i];
        HWND control = ControlWindow(spec.name);
        if (!control || HoldsEnvText(spec.kind)) continue;
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        const SIZE extent = CaptionExtent(control, font);
        RECT client;
        GetClientRect(control, &client);
        EXPECT_LE(extent.cy, client.bottom) << spec.name;
        // A caption wider than its control at 96 DPI (功能定义： in 56
        // pixels) may be as much wider at this DPI, scaled, and no more.
        const int overflow96 =
            std::max(0L, CaptionExtent(control, ControlFont(at96, spec)).cx - spec.width);
        EXPECT_LE(extent.cx, client.right + MulDiv(overflow96, static_cast<int>(dpi), 96) + 1)
            << spec.name << " " << extent.cx << " in " << client.right;
    }
    DeleteWindowFonts(at96);
}

TEST_F(MainWindowTest, ThePointerIsMadeForTheDpi) {
    const unsigned dpi = MainWindowDpi();
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(AppCursor(), &info));
    BITMAP colour = {};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    ExpectScaled(colour.bmWidth, 32, dpi, "pointer width");
    ExpectScaled(static_cast<int>(info.xHotspot), 8, dpi, "hot spot x");
    ExpectScaled(static_cast<int>(info.yHotspot), 3, dpi, "hot spot y");
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(ControlCursor(ControlWindow("超级列表框1")), AppCursor());
}

void Tick(HWND window, ControlId timer) {
    SendMessageA(window, WM_TIMER, static_cast<WPARAM>(timer), 0);
}

TEST_F(MainWindowTest, TheLinkTurnsAtTheScaledTurningPoints) {
    const int right = ScaledToWindow(65);
    SetControlLeft("超级链接框1", right - 1);
    Tick(window_, kSlideRightTimer);
    EXPECT_EQ(ControlLeft("超级链接框1"), right);
    EXPECT_EQ(TimerInterval("时钟1"), 0);
    EXPECT_EQ(TimerInterval("时钟2"), 30);
    // Its right edge stops short of the picture.
    RECT link, picture;
    GetWindowRect(ControlWindow("超级链接框1"), &link);
    GetWindowRect(ControlWindow("图片框1"), &picture);
    EXPECT_LT(link.right, picture.left);
    SetControlLeft("超级链接框1", 1);
    Tick(window_, kSlideLeftTimer);
    EXPECT_EQ(ControlLeft("超级链接框1"), 0);
    EXPECT_EQ(TimerInterval("时钟1"), 30);
}

// Everything the layout sets, to compare before and after DPI changes.
std::vector<int> Layout(HWND window) {
    std::vector<int> layout;
    auto add = [&layout](const RECT& r) {
        layout.insert(layout.end(), {r.left, r.top, r.right, r.bottom});
    };
    RECT rect;
    GetWindowRect(window, &rect);
    add(rect);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (HWND control = ControlWindow(kControls[i].name)) add(PlaceInParent(control));
    }
    HWND list = ControlWindow("超级列表框1");
    for (int column = 0; column < 2; ++column) {
        layout.push_back(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0)));
    }
    layout.push_back(FontHeight("编辑框1"));
    layout.push_back(FontHeight("按钮_添加"));
    return layout;
}

void ChangeDpi(HWND window, unsigned dpi) {
    RECT rect;
    GetWindowRect(window, &rect);
    // The place Windows would suggest; the size is the window's to choose.
    RECT suggested = {rect.left, rect.top, rect.left + 10, rect.top + 10};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();
}

TEST_F(MainWindowTest, ADpiChangeLaysTheWindowOutAgainAndBackWithoutDrift) {
    const unsigned dpi = MainWindowDpi();
    ClickButton("按钮_添加");
    // The link holds still, so its place shows only what the changes did.
    SetTimerInterval("时钟1", 0);
    SetTimerInterval("时钟2", 0);
    SetControlLeft("超级链接框1", ScaledToWindow(40));
    const std::vector<int> before = Layout(window_);
    const unsigned other = dpi == 96 ? 144 : 96;
    ChangeDpi(window_, other);
    EXPECT_EQ(MainWindowDpi(), other);
    ExpectLayoutAt(other);
    ExpectScaled(MainWindowWidth(), 610, other, "shown at the new DPI");
    ExpectScaled(ControlLeft("超级链接框1"), 40, other, "link in its slide");
    EXPECT_EQ(FontHeight("编辑框1"), MulDiv(-12, static_cast<int>(other), 96));
    EXPECT_TRUE(IsWindowVisible(window_));
    // Round the screens of a few DPIs and back: nothing has drifted.
    for (unsigned next : {120u, 168u, 192u, dpi}) ChangeDpi(window_, next);
    EXPECT_EQ(Layout(window_), before);
}

}  // namespace
}  // namespace keyloom::test
