// FindControlsByNamePrefix and the kind check of SetCursorByNamePrefix.
#include <gtest/gtest.h>

#include "tests/window/window_fixture.h"
#include "window/controls/control_lookup.h"
#include "window/controls/control_table.h"
#include "window/pointer_pass.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

std::vector<HWND> Windows(std::initializer_list<const char*> names) {
    std::vector<HWND> windows;
    for (const char* name : names) windows.push_back(ControlWindow(name));
    return windows;
}

TEST_F(MainWindowTest, PrefixFindsTheControlsOfThatKindInTableOrder) {
    EXPECT_EQ(FindControlsByNamePrefix(window_, "标签"),
              Windows({"标签5", "标签3", "标签4", "标签6", "标签7", "标签2", "标签1"}));
    EXPECT_EQ(
        FindControlsByNamePrefix(window_, "按钮"),
        Windows({"按钮_确认", "按钮_按键", "按钮_env内容", "按钮_删除", "按钮_修改", "按钮_添加"}));
    // The radio buttons' kind word is none of the pointer pass's.
    EXPECT_EQ(FindControlsByNamePrefix(window_, "单选框"),
              Windows({"单选框_alias", "单选框_funckey"}));
    EXPECT_EQ(FindControlsByNamePrefix(window_, "分组框"), Windows({"分组框2", "分组框1"}));
    EXPECT_EQ(FindControlsByNamePrefix(window_, "编辑框"),
              Windows({"编辑框3", "编辑框2", "编辑框1"}));
    EXPECT_EQ(FindControlsByNamePrefix(window_, "超级列表框"), Windows({"超级列表框1"}));
}

TEST_F(MainWindowTest, PrefixMatchesWholeBytesOnly) {
    EXPECT_EQ(FindControlsByNamePrefix(window_, "按钮_"),
              FindControlsByNamePrefix(window_, "按钮"));
    EXPECT_EQ(FindControlsByNamePrefix(window_, "编辑框2"), Windows({"编辑框2"}));
    EXPECT_TRUE(FindControlsByNamePrefix(window_, "编辑框21").empty());  // longer than the name
    EXPECT_TRUE(FindControlsByNamePrefix(window_, "按钮_ENV").empty());  // case counts
    EXPECT_TRUE(FindControlsByNamePrefix(window_, "label").empty());
    // Byte-wise: the lead byte B1 alone begins 标签 and 编辑框 alike.
    EXPECT_EQ(FindControlsByNamePrefix(window_, std::string_view("标签", 1)).size(), 10u);
}

TEST_F(MainWindowTest, EmptyPrefixFindsEveryWindowedControlButNeverTheWindow) {
    std::vector<HWND> all = FindControlsByNamePrefix(window_, "");
    EXPECT_EQ(all.size(), 23u);  // twenty-five controls less the two timers
    for (HWND control : all) {
        EXPECT_NE(control, window_);
        EXPECT_TRUE(IsChild(window_, control));
    }
}

TEST_F(MainWindowTest, OnlyExistingChildrenOfTheGivenWindowAreFound) {
    EXPECT_EQ(FindControlsByNamePrefix(ControlWindow("分组框1"), ""),
              Windows({"编辑框3", "编辑框2", "按钮_确认", "标签3", "标签4", "按钮_按键", "标签6",
                       "单选框_alias", "单选框_funckey", "标签7"}));
    EXPECT_TRUE(FindControlsByNamePrefix(ControlWindow("标签1"), "").empty());
    EXPECT_TRUE(FindControlsByNamePrefix(nullptr, "").empty());
    DestroyWindow(ControlWindow("标签5"));
    EXPECT_EQ(FindControlsByNamePrefix(window_, "标签"),
              Windows({"标签3", "标签4", "标签6", "标签7", "标签2", "标签1"}));
}

TEST_F(MainWindowTest, EveryControlIsOfTheKindItsTableRowSays) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (kControls[i].kind == ControlKind::Timer) continue;
        EXPECT_EQ(ControlKindOfWindow(ControlWindow(kControls[i].name)), kControls[i].kind)
            << kControls[i].name;
    }
}

TEST(NamePrefixKindTest, TheFiveKindWordsAndNothingElse) {
    ControlKind kind;
    ASSERT_TRUE(KindOfNamePrefix("标签", &kind));
    EXPECT_EQ(kind, ControlKind::Label);
    ASSERT_TRUE(KindOfNamePrefix("按钮", &kind));
    EXPECT_EQ(kind, ControlKind::Button);
    ASSERT_TRUE(KindOfNamePrefix("分组框", &kind));
    EXPECT_EQ(kind, ControlKind::GroupBox);
    ASSERT_TRUE(KindOfNamePrefix("编辑框", &kind));
    EXPECT_EQ(kind, ControlKind::Edit);
    ASSERT_TRUE(KindOfNamePrefix("超级列表框", &kind));
    EXPECT_EQ(kind, ControlKind::ListView);
    EXPECT_FALSE(KindOfNamePrefix("", &kind));
    EXPECT_FALSE(KindOfNamePrefix("按钮_", &kind));
    EXPECT_FALSE(KindOfNamePrefix("图片框", &kind));
    EXPECT_FALSE(KindOfNamePrefix("时钟", &kind));
    EXPECT_FALSE(KindOfNamePrefix("单选框", &kind));
}

TEST(ControlKindTest, AButtonOfAnotherTypeIsNoPushButton) {
    HWND check = CreateWindowExA(0, "BUTTON", "x", BS_CHECKBOX, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(ControlKindOfWindow(check), ControlKind::Unknown);
    DestroyWindow(check);
    for (DWORD type : {BS_RADIOBUTTON, BS_AUTORADIOBUTTON}) {
        HWND radio = CreateWindowExA(0, "BUTTON", "x", type, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(radio, nullptr);
        EXPECT_EQ(ControlKindOfWindow(radio), ControlKind::RadioButton);
        DestroyWindow(radio);
    }
}

}  // namespace
}  // namespace keyloom::test
