// Clicks given right behind each other while a save of a large env runs
// are each carried out once, in order, on the row selected when given:
// the file, the list and the boxes end as the same clicks one at a time.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "handlers/editing_state.h"
#include "tests/handlers/editing_fixture.h"
#include "window/controls/control_names.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

std::string LargeEnv(int hotkeys) {
    std::string text = "# user env\nsource $TELENV\n";
    for (int i = 0; i < hotkeys; ++i) {
        text += i % 10 == 0 ? "funckey " : "alias ";
        text += "K" + std::to_string(i) + " zoom in " + std::to_string(i) + "\n";
    }
    return text + "\n### User Preferences section\nset autosave_time = 10\n";
}

struct Outcome {
    Rows rows;
    std::string file;
    std::vector<RecordedBox> boxes;
};

class GivenActionsTest : public EditingTest {
protected:
    // Each step is given at once, without waiting for anything; with
    // oneAtATime every step waits until the window is idle again.
    Outcome Run(bool oneAtATime, bool closeBehind) {
        StartWithBytes(LargeEnv(100000));
        auto step = [&](auto&& act) {
            act();
            if (oneAtATime) PumpMessages();
        };
        step([] { Select(3); });
        step([] { Click(kDeleteButton); });
        // The rest is given while that save runs.
        if (!oneAtATime) EXPECT_TRUE(Session().IsJobRunning());
        step([] { Select(3); });
        step([] { Click(kDeleteButton); });
        step([] { SetText(kKeyBox, "N1"); });
        step([] { SetText(kCommandBox, " new one "); });
        step([] { Click(kAddButton); });
        step([] { Click(kConfirmButton); });
        step([] { Select(5); });
        step([] { Click(kModifyButton); });
        step([] { Click(kConfirmButton); });
        step([] { Click(kEnvContentButton); });
        if (closeBehind) PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
        PumpMessages();
        Outcome outcome{closeBehind ? Rows{} : ListRows(), EnvBytes(), boxes_.Boxes()};
        return outcome;
    }

    static void Select(int row) {
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        HWND list = ControlWindow(kHotkeyList);
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&item));
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    }
    static void Click(ControlId button) { SendMessageA(ControlWindow(button), BM_CLICK, 0, 0); }
    static void SetText(ControlId box, const char* text) {
        SendMessageA(ControlWindow(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
};

TEST_F(GivenActionsTest, ClicksDuringSavesEndAsTheSameClicksOneAtATime) {
    const Outcome slow = Run(true, false);
    CloseMainWindowForTest();
    const std::size_t slowBoxes = slow.boxes.size();
    const Outcome fast = Run(false, false);
    EXPECT_EQ(fast.rows, slow.rows);
    EXPECT_EQ(fast.file, slow.file);
    ASSERT_EQ(slowBoxes, 1u);
    ASSERT_EQ(fast.boxes.size(), 2u);
    EXPECT_EQ(fast.boxes[1].title, "env数据");
    EXPECT_EQ(fast.boxes[1].text, slow.boxes[0].text);
    // Two rows gone, one added, one moved to the end.
    ASSERT_EQ(slow.rows.size(), 99999u);
    EXPECT_EQ(slow.rows[99997], (HotkeyEntry{"N1", "new one"}));
    EXPECT_EQ(slow.rows[99998].key, "K7");
    EXPECT_EQ(slow.boxes[0].text, slow.file);
}

TEST_F(GivenActionsTest, ACloseRightBehindWaitsForEveryClickBeforeIt) {
    const Outcome slow = Run(true, false);
    CloseMainWindowForTest();
    const Outcome fast = Run(false, true);
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_EQ(fast.file, slow.file);
    EXPECT_EQ(fast.boxes.size(), 2u);
}

}  // namespace
}  // namespace keyloom::test
