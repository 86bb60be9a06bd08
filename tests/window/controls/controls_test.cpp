// Each control as the window shows it: place, parent, kind, caption bytes,
// font, colour, and the list's columns.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <set>

#include "tests/window/window_fixture.h"
#include "window/controls/control_lookup.h"
#include "window/controls/control_table.h"
#include "window/controls/hyperlink.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

struct Expected {
    const char* name;
    ControlKind kind;
    const char* parent;
    int left, top, width, height;
    const char* caption;
};

// Written out again here, not read from the table, so a wrong table fails.
const Expected kExpected[] = {
    {"图片框1", ControlKind::Picture, "", 397, 272, 96, 24, ""},
    {"标签5", ControlKind::Label, "", 512, 272, 88, 24, "by Tamsek"},
    {"编辑框3", ControlKind::Edit, "分组框1", 72, 40, 120, 20, ""},
    {"编辑框2", ControlKind::Edit, "分组框1", 72, 16, 60, 20, ""},
    {"编辑框1", ControlKind::Edit, "分组框2", 8, 24, 184, 64, ""},
    {"分组框2", ControlKind::GroupBox, "", 400, 168, 200, 96,
     "env\xca\xb5\xca\xb1\xca\xfd\xbe\xdd"},
    {"按钮_确认", ControlKind::Button, "分组框1", 72, 88, 120, 32, "\xc8\xb7\xc8\xcf"},
    {"标签3", ControlKind::Label, "分组框1", 13, 16, 48, 24, "\xbf\xec\xbd\xdd\xbc\xfc\xa3\xba"},
    {"标签4", ControlKind::Label, "分组框1", 8, 40, 56, 24,
     "\xb9\xa6\xc4\xdc\xb6\xa8\xd2\xe5\xa3\xba"},
    {"分组框1", ControlKind::GroupBox, "", 400, 16, 200, 144,
     "\xcc\xed\xbc\xd3\xbf\xec\xbd\xdd\xbc\xfc"},
    {"按钮_按键", ControlKind::Button, "分组框1", 136, 16, 56, 20, "\xb0\xb4\xbc\xfc(&K)\xa1\xad"},
    {"标签6", ControlKind::Label, "分组框1", 13, 64, 48, 20, "\xc0\xe0\xd0\xcd\xa3\xba"},
    {"单选框_alias", ControlKind::RadioButton, "分组框1", 72, 64, 52, 20, "alias"},
    {"单选框_funckey", ControlKind::RadioButton, "分组框1", 128, 64, 64, 20, "funckey"},
    {"标签7", ControlKind::Label, "分组框1", 8, 122, 184, 16, ""},
    {"按钮_env内容", ControlKind::Button, "", 336, 208, 56, 56, "env\xca\xfd\xbe\xdd"},
    {"按钮_删除", ControlKind::Button, "", 336, 152, 56, 56, "\xc9\xbe\xb3\xfd"},
    {"按钮_修改", ControlKind::Button, "", 336, 96, 56, 56, "\xd0\xde\xb8\xc4"},
    {"按钮_添加", ControlKind::Button, "", 336, 40, 56, 56, "\xcc\xed\xbc\xd3"},
    {"标签2", ControlKind::Label, "", 88, 8, 80, 24, "2\xb8\xf6"},
    {"标签1", ControlKind::Label, "", 8, 8, 80, 24,
     "\xbf\xec\xbd\xdd\xbc\xfc\xd7\xdc\xca\xfd\xa3\xba"},
    {"超级列表框1", ControlKind::ListView, "", 8, 32, 320, 232, ""},
};

RECT PlaceInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(MainWindowTest, EveryControlHasItsPlaceParentKindAndCaption) {
    for (const Expected& expected : kExpected) {
        SCOPED_TRACE(expected.name);
        HWND control = ControlWindow(expected.name);
        ASSERT_NE(control, nullptr);
        HWND parent = expected.parent[0] ? ControlWindow(expected.parent) : window_;
        EXPECT_EQ(GetParent(control), parent);
        RECT place = PlaceInParent(control);
        EXPECT_EQ(place.left, expected.left);
        EXPECT_EQ(place.top, expected.top);
        EXPECT_EQ(place.right - place.left, expected.width);
        EXPECT_EQ(place.bottom - place.top, expected.height);
        EXPECT_EQ(ControlKindOfWindow(control), expected.kind);
        EXPECT_EQ(ControlText(expected.name), expected.caption);
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_TRUE(IsWindowEnabled(control));
    }
}

TEST_F(MainWindowTest, LinkStartsAtItsPlaceWithTheAdvertisement) {
    HWND link = ControlWindow("超级链接框1");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(ControlKindOfWindow(link), ControlKind::Hyperlink);
    RECT place = PlaceInParent(link);
    // The slide timer may already have moved it a pixel or two.
    EXPECT_GE(place.left, 8);
    EXPECT_LE(place.left, 65);
    EXPECT_EQ(place.top, 272);
    EXPECT_EQ(place.right - place.left, 192);
    EXPECT_EQ(place.bottom - place.top, 24);
    EXPECT_EQ(ControlText("超级链接框1"), kAdvertisementCaption);
}

TEST_F(MainWindowTest, EveryControlCarriesItsOwnFixedId) {
    // Events are routed by id: two controls with one id would share them.
    std::set<int> ids;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& spec = kControls[i];
        EXPECT_TRUE(ids.insert(spec.id).second) << spec.name;
        HWND control = ControlWindow(spec.name);
        if (control) EXPECT_EQ(GetDlgCtrlID(control), spec.id) << spec.name;
    }
    EXPECT_EQ(GetDlgCtrlID(ControlWindow("按钮_添加")), kAddButton);
    EXPECT_EQ(IdOfName("no such control"), 0);
}

TEST_F(MainWindowTest, TimersHaveNoWindow) {
    EXPECT_EQ(ControlWindow("时钟1"), nullptr);
    EXPECT_EQ(ControlWindow("时钟2"), nullptr);
}

LOGFONTA FontOf(const char* name) {
    LOGFONTA font = {};
    HFONT handle = reinterpret_cast<HFONT>(SendMessageA(ControlWindow(name), WM_GETFONT, 0, 0));
    GetObjectA(handle, sizeof font, &font);
    return font;
}

TEST_F(MainWindowTest, ControlsUseTheDefaultGuiFontButTheMemoAndTheLink) {
    HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
    for (const char* name :
         {"标签1",        "标签2",     "标签3",       "标签4",        "标签5",
          "标签6",        "标签7",     "按钮_添加",   "按钮_修改",    "按钮_删除",
          "按钮_env内容", "按钮_确认", "按钮_按键",   "分组框1",      "分组框2",
          "编辑框2",      "编辑框3",   "超级列表框1", "单选框_alias", "单选框_funckey"}) {
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(ControlWindow(name), WM_GETFONT, 0, 0)),
                  guiFont)
            << name;
    }
    LOGFONTA memo = FontOf("编辑框1");
    EXPECT_EQ(memo.lfHeight, -12);
    EXPECT_EQ(memo.lfWeight, 400);
    EXPECT_EQ(memo.lfCharSet, GB2312_CHARSET);
    EXPECT_FALSE(memo.lfItalic);
    EXPECT_FALSE(memo.lfUnderline);
    EXPECT_STREQ(memo.lfFaceName, "");
    LOGFONTA link = FontOf("超级链接框1");
    EXPECT_EQ(link.lfHeight, -10);
    EXPECT_EQ(link.lfWeight, 400);
    EXPECT_EQ(link.lfCharSet, GB2312_CHARSET);
    EXPECT_STREQ(link.lfFaceName, "");
}

// The colour a label or group box caption is drawn in, as its parent
// answers WM_CTLCOLORSTATIC.
COLORREF CaptionColour(const char* name, HBRUSH* brush) {
    HWND control = ControlWindow(name);
    HDC dc = CreateCompatibleDC(nullptr);
    *brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(control), WM_CTLCOLORSTATIC,
                                                   reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(control)));
    COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

TEST(CaptionColourTest, CountLabelIsRedEveryOtherCaptionBlack) {
    EXPECT_EQ(CaptionTextColour("标签2"), RGB(255, 0, 0));
    for (const char* name :
         {"标签1", "标签3", "标签4", "标签5", "标签6", "标签7", "分组框1", "分组框2"}) {
        EXPECT_EQ(CaptionTextColour(name), RGB(0, 0, 0)) << name;
    }
}

TEST_F(MainWindowTest, CountLabelStaysRedUnderTheSkin) {
    // The skin may recolour the black captions; the red one the window
    // sets itself stays red.
    HBRUSH brush = nullptr;
    EXPECT_EQ(CaptionColour("标签2", &brush), RGB(255, 0, 0));
    for (const char* name : {"标签1", "标签3", "标签4", "标签5", "分组框1", "分组框2"}) {
        EXPECT_NE(CaptionColour(name, &brush), RGB(255, 0, 0)) << name;
        EXPECT_NE(brush, nullptr) << name;
    }
}

TEST_F(MainWindowTest, StylesByKind) {
    for (const char* name : {"标签1", "标签2", "标签3", "标签4", "标签5", "标签6", "标签7"}) {
        LONG style = GetWindowLongA(ControlWindow(name), GWL_STYLE);
        EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT) << name;
        EXPECT_TRUE(style & SS_CENTERIMAGE) << name;
        EXPECT_TRUE(style & SS_NOPREFIX) << name;
        EXPECT_FALSE(GetWindowLongA(ControlWindow(name), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << name;
    }
    for (const char* name :
         {"按钮_添加", "按钮_修改", "按钮_删除", "按钮_env内容", "按钮_确认", "按钮_按键"}) {
        LONG style = GetWindowLongA(ControlWindow(name), GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << name;  // not a default button
        EXPECT_EQ(style & BS_CENTER, BS_CENTER) << name;
        EXPECT_EQ(style & BS_VCENTER, BS_VCENTER) << name;
    }
    // It tells when the focus leaves it, which ends a key capture.
    EXPECT_TRUE(GetWindowLongA(ControlWindow("按钮_按键"), GWL_STYLE) & BS_NOTIFY);
    // Plain radio buttons, checked by the window; the first starts the group
    // and its choice.
    for (const char* name : {"单选框_alias", "单选框_funckey"}) {
        LONG style = GetWindowLongA(ControlWindow(name), GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_RADIOBUTTON) << name;
        EXPECT_TRUE(style & WS_TABSTOP) << name;
    }
    EXPECT_TRUE(GetWindowLongA(ControlWindow("单选框_alias"), GWL_STYLE) & WS_GROUP);
    EXPECT_EQ(SendMessageA(ControlWindow("单选框_alias"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(ControlWindow("单选框_funckey"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    for (const char* name : {"编辑框2", "编辑框3"}) {
        HWND edit = ControlWindow(name);
        LONG style = GetWindowLongA(edit, GWL_STYLE);
        EXPECT_FALSE(style & ES_MULTILINE) << name;
        EXPECT_TRUE(style & ES_AUTOHSCROLL) << name;
        EXPECT_FALSE(style &
                     (ES_READONLY | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE | ES_NOHIDESEL))
            << name;
        EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL)) << name;
        EXPECT_TRUE(GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << name;
    }
    HWND memo = ControlWindow("编辑框1");
    LONG memoStyle = GetWindowLongA(memo, GWL_STYLE);
    EXPECT_TRUE(memoStyle & ES_MULTILINE);
    EXPECT_TRUE(memoStyle & ES_WANTRETURN);
    EXPECT_TRUE(memoStyle & WS_VSCROLL);
    EXPECT_FALSE(memoStyle &
                 (ES_AUTOHSCROLL | WS_HSCROLL | WS_BORDER | ES_READONLY | ES_NOHIDESEL));
    EXPECT_FALSE(GetWindowLongA(memo, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(MainWindowTest, HotkeyListIsASingleSelectionReportWithGridAndFullRows) {
    HWND list = ControlWindow("超级列表框1");
    LONG style = GetWindowLongA(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_FALSE(style & (LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_SORTDESCENDING |
                          LVS_EDITLABELS | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER));
    EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    DWORD extended = static_cast<DWORD>(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(extended & (LVS_EX_HEADERDRAGDROP | LVS_EX_CHECKBOXES | LVS_EX_TRACKSELECT));
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    LONG headerStyle = GetWindowLongA(header, GWL_STYLE);
    EXPECT_TRUE(headerStyle & HDS_BUTTONS);
    EXPECT_FALSE(headerStyle & HDS_DRAGDROP);
    EXPECT_TRUE(IsWindowVisible(header));
    EXPECT_EQ(SendMessageA(list, LVM_GETBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);
}

// Key, command and verb, all three readable beside the vertical scroll
// bar without scrolling sideways.
TEST_F(MainWindowTest, HotkeyListHasTheThreeColumnsSideBySide) {
    HWND list = ControlWindow("超级列表框1");
    struct Column {
        const char* title;
        int width;
        int format;
    } const expected[] = {{"  \xbf\xec\xbd\xdd\xbc\xfc", 72, LVCFMT_LEFT},
                          {"\xb9\xa6\xc4\xdc\xb6\xa8\xd2\xe5", 170, LVCFMT_CENTER},
                          {"\xc0\xe0\xd0\xcd", 56, LVCFMT_LEFT}};
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
    int total = 0;
    for (int i = 0; i < 3; ++i) {
        char title[64] = "";
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = title;
        column.cchTextMax = sizeof title;
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(title, expected[i].title);
        EXPECT_EQ(column.cx, expected[i].width);
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, expected[i].format);
        total += column.cx;
    }
    RECT client;
    GetClientRect(list, &client);
    EXPECT_LE(total, client.right - GetSystemMetrics(SM_CXVSCROLL));
}

}  // namespace
}  // namespace keyloom::test
