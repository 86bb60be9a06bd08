// AppCursor: made from the carried cursor file, on the window and on every
// control.
#include <gtest/gtest.h>

#include "platform/carried_resource.h"
#include "platform/resource_ids.h"
#include "tests/window/window_fixture.h"
#include "window/controls/app_cursor.h"
#include "window/controls/control_cursor.h"
#include "window/controls/logo_picture.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

TEST(AppCursorTest, CarriedCursorFileIsA32By32CursorWithHotSpot8And3) {
    std::string_view file = CarriedResource(IDR_APP_CURSOR);
    ASSERT_EQ(file.size(), 4286u);
    std::string bits = CursorResourceBits(file);
    ASSERT_EQ(bits.size(), 4u + 4286u - 22u);
    EXPECT_EQ(bits.substr(0, 4), std::string("\x08\x00\x03\x00", 4));
    // A 32-bit DIB whose height counts the colour and the mask halves.
    EXPECT_EQ(static_cast<unsigned char>(bits[4]), 40);
    EXPECT_EQ(static_cast<unsigned char>(bits[4 + 8]), 64);
    EXPECT_EQ(static_cast<unsigned char>(bits[4 + 14]), 32);
}

TEST(AppCursorTest, MalformedCursorFilesGiveNoBits) {
    EXPECT_EQ(CursorResourceBits(""), "");
    EXPECT_EQ(CursorResourceBits(std::string(22, '\0')), "");
    std::string file(CarriedResource(IDR_APP_CURSOR));
    std::string iconType = file;
    iconType[2] = 1;
    EXPECT_EQ(CursorResourceBits(iconType), "");
    EXPECT_EQ(CursorResourceBits(file.substr(0, 1000)), "");  // image cut short
    std::string farOffset = file;
    farOffset[6 + 12] = '\xff';
    farOffset[6 + 13] = '\xff';
    EXPECT_EQ(CursorResourceBits(farOffset), "");
}

TEST(AppCursorTest, IsMadeOnceWithItsHotSpot) {
    HCURSOR cursor = AppCursor();
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(AppCursor(), cursor);
    EXPECT_NE(cursor, LoadCursorA(nullptr, IDC_ARROW));
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 8u);
    EXPECT_EQ(info.yHotspot, 3u);
    BITMAP colour = {};
    ASSERT_NE(info.hbmColor, nullptr);
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

// The pointer a control shows when the mouse is over its client area.
HCURSOR PointerOver(HWND control) {
    SetCursor(nullptr);
    SendMessageA(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

TEST_F(MainWindowTest, EveryControlAndTheWindowShowAppCursor) {
    for (const char* name :
         {"标签1",       "标签2",     "标签3",       "标签4",        "标签5",         "标签6",
          "标签7",       "按钮_添加", "按钮_修改",   "按钮_删除",    "按钮_env内容",  "按钮_确认",
          "按钮_按键",   "分组框1",   "分组框2",     "编辑框1",      "编辑框2",       "编辑框3",
          "超级列表框1", "图片框1",   "超级链接框1", "单选框_alias", "单选框_funckey"}) {
        EXPECT_EQ(PointerOver(ControlWindow(name)), AppCursor()) << name;
    }
    EXPECT_EQ(PointerOver(window_), AppCursor());
}

TEST_F(MainWindowTest, CreatedHandlerGaveEveryNamedKindItsPointer) {
    for (const char* name : {"标签1", "标签5", "标签7", "按钮_确认", "按钮_按键", "分组框2",
                             "编辑框1", "超级列表框1"}) {
        EXPECT_EQ(ControlCursor(ControlWindow(name)), AppCursor()) << name;
    }
    // No kind word names the radio buttons: they have it from their making.
    for (const char* name : {"单选框_alias", "单选框_funckey"}) {
        EXPECT_EQ(ControlCursor(ControlWindow(name)), AppCursor()) << name;
    }
    // The picture has it from its class, not from the name passes.
    EXPECT_EQ(ControlCursor(ControlWindow("图片框1")), nullptr);
}

}  // namespace
}  // namespace keyloom::test
