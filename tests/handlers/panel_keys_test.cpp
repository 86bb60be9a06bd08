// Keys and the edit panel in the real window: while the panel is shown Tab
// and Space reach its controls; once the window narrows, no key does.
#include <windows.h>

#include "tests/handlers/editing_fixture.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using PanelKeysTest = EditingTest;

// More presses than the window has controls: Tab has gone all the way round.
constexpr int kTabPresses = 24;

bool FocusInPanel() {
    HWND focus = GetFocus();
    for (const char* group : {"分组框1", "分组框2"}) {
        HWND box = ControlWindow(group);
        if (focus == box || IsChild(box, focus)) return true;
    }
    return false;
}

void PressOnFocus(UINT key) {
    PressKey(GetFocus(), key);
}

TEST_F(PanelKeysTest, KeysReachThePanelOnlyWhileItIsShown) {
    Start(FiveRows());
    ClickButton("按钮_添加");
    FocusControl("超级列表框1");
    for (int i = 0; i < kTabPresses && !FocusIn("编辑框2"); ++i) PressOnFocus(VK_TAB);
    ASSERT_TRUE(FocusIn("编辑框2"));
    Type("F9", "zoom out");
    // The user confirms with Space on the confirm button.
    FocusControl("按钮_确认");
    PressOnFocus(VK_SPACE);
    const Rows confirmed = Without(FiveRows(), {}, {{"F9", "zoom out"}});
    ASSERT_EQ(ListRows(), confirmed);
    ASSERT_EQ(Width(), 402);

    EXPECT_TRUE(FocusIn("超级列表框1"));
    for (int i = 0; i < 3; ++i) PressOnFocus(VK_SPACE);
    EXPECT_EQ(ListRows().size(), confirmed.size());
    for (int i = 0; i < kTabPresses; ++i) {
        PressOnFocus(VK_TAB);
        EXPECT_FALSE(FocusInPanel()) << "after Tab " << i + 1;
    }
    // Nor does a hidden button that holds the focus answer a key.
    FocusControl("按钮_确认");
    PressKey(ControlWindow("按钮_确认"), VK_SPACE);
    EXPECT_EQ(ListRows().size(), confirmed.size());
    EXPECT_FALSE(FocusInPanel());
}

}  // namespace
}  // namespace keyloom::test
