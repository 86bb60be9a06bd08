// Keys that stand for buttons, through the real window: Delete on the list
// does what 删除 does, Enter and F2 what 修改 does, Enter in the key and
// command boxes what 确认 does, message boxes included.
#include <windows.h>

#include <ostream>
#include <string>

#include "tests/handlers/editing_fixture.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

struct KeyCase {
    const char* control;  // where the key is pressed
    UINT key;
    const char* button;  // the button it stands for
    int row;             // the row selected first, or -1
    bool panelOpen;      // the row opened with 修改 and new texts typed first
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << "key " << c.key << " on control " << c.control << ", row " << c.row;
}

// What the user and the file see after a key or a click, in one text.
std::string Seen(const Rows& rows, const std::string& env, std::size_t boxes) {
    std::string seen = "width " + std::to_string(MainWindowWidth()) + ", boxes " +
                       std::to_string(boxes) + ", rows:";
    for (const HotkeyEntry& row : rows) seen += " [" + row.key + "|" + row.command + "]";
    for (const char* name : {"分组框1", "按钮_确认", "编辑框2", "编辑框3"}) {
        seen += std::string(", ") + name + " [" + ControlText(name) + "]";
    }
    return seen + ", env:\n" + env;
}

class ButtonKeysTest : public EditingTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    void Prepare() {
        Start(FiveRows());
        boxesBefore_ = boxes_.Boxes().size();
        const KeyCase& c = GetParam();
        if (c.panelOpen) {
            OpenForModify(c.row);
            Type(" F9 ", "zoom out");
        }
        SelectHotkeyRowForTest(c.row);
        FocusControl(c.control);
    }
    std::string Outcome() const {
        return Seen(ListRows(), EnvBytes(), boxes_.Boxes().size() - boxesBefore_);
    }
    std::size_t boxesBefore_ = 0;
};

TEST_P(ButtonKeysTest, KeyDoesExactlyWhatItsButtonDoes) {
    const KeyCase& c = GetParam();
    Prepare();
    const std::string before = Outcome();
    PressKey(ControlWindow(c.control), c.key);
    const std::string byKey = Outcome();
    CloseMainWindowForTest();

    Prepare();
    ClickButton(c.button);
    EXPECT_EQ(byKey, Outcome());
    // Something happened: a row went, the panel moved, or a box came.
    EXPECT_NE(byKey, before);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ButtonKeysTest,
    ::testing::Values(KeyCase{"超级列表框1", VK_DELETE, "按钮_删除", 1, false},
                      KeyCase{"超级列表框1", VK_DELETE, "按钮_删除", -1, false},
                      KeyCase{"超级列表框1", VK_RETURN, "按钮_修改", 2, false},
                      KeyCase{"超级列表框1", VK_F2, "按钮_修改", 2, false},
                      KeyCase{"超级列表框1", VK_RETURN, "按钮_修改", -1, false},
                      KeyCase{"编辑框2", VK_RETURN, "按钮_确认", 1, true},
                      KeyCase{"编辑框3", VK_RETURN, "按钮_确认", 1, true}));

TEST_F(EditingTest, DeleteOnTheListKeepsTheFocusThereForTheNextRow) {
    Start(FiveRows());
    SelectHotkeyRowForTest(0);
    FocusControl("超级列表框1");
    PressKey(ControlWindow("超级列表框1"), VK_DELETE);
    EXPECT_EQ(ListRows(), Without(FiveRows(), {0}));
    EXPECT_TRUE(FocusIn("超级列表框1"));
}

TEST_F(EditingTest, AHeldKeyActsOnce) {
    Start(FiveRows());
    SelectHotkeyRowForTest(0);
    HWND list = ControlWindow("超级列表框1");
    SetFocus(list);
    // The first press, then two repeats (bit 30: the key was already down).
    const LPARAM first = 1 | (MapVirtualKeyA(VK_DELETE, 0) << 16);
    PostMessageA(list, WM_KEYDOWN, VK_DELETE, first);
    PostMessageA(list, WM_KEYDOWN, VK_DELETE, first | (1L << 30));
    PostMessageA(list, WM_KEYDOWN, VK_DELETE, first | (1L << 30));
    PumpMessages();
    EXPECT_EQ(ListRows().size(), FiveRows().size() - 1);
}

}  // namespace
}  // namespace keyloom::test
