// Clicks given while saves of a large env run act at once on the rows the
// list shows: each delete removes the row shown at its click, whatever
// order the clicks come in; a modify, a confirm and a 是 act on the rows as
// shown; the file ends as the list shows, also with a close right behind.
#include <windows.h>

#include <commctrl.h>

#include <set>
#include <string>

#include "core/env_text.h"
#include "handlers/editing_state.h"
#include "tests/handlers/editing_fixture.h"
#include "window/controls/control_ids.h"
#include "window/hotkey_list.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

// Hotkeys K0, K1, ...; every tenth a funckey; K1 bound once more at the
// end, so a confirm of K1 asks.
std::string LargeEnv(int hotkeys) {
    std::string text = "# user env\nsource $TELENV\n";
    for (int i = 0; i < hotkeys; ++i) {
        text += i % 10 == 0 ? "funckey " : "alias ";
        text += "K" + std::to_string(i) + " zoom in " + std::to_string(i) + "\n";
    }
    return text + "alias K1 last\n\n### User Preferences section\nset autosave_time = 10\n";
}

class GivenActionsTest : public EditingTest {
protected:
    static void Click(ControlId button) { SendMessageA(ControlWindow(button), BM_CLICK, 0, 0); }
    static void SetText(ControlId box, const char* text) {
        SendMessageA(ControlWindow(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }

    // A delete of the row at this place, as the user sees it: the key it
    // shows goes, the row count with it. Then the window goes on for a
    // few tens of milliseconds, a save still running.
    void DeleteShown(int row) {
        const std::string key = HotkeyCell(row, 0);
        const int count = HotkeyRowCount();
        SelectHotkeyRowForTest(row);
        Click(kDeleteButton);
        EXPECT_EQ(HotkeyRowCount(), count - 1);
        EXPECT_NE(HotkeyCell(row, 0), key);
        deleted_.insert(key);
        if (Session().IsJobRunning()) ++clicksDuringSaves_;
        PumpMessagesFor(30);
    }

    // The keys of the file's hotkeys, in file order, as a list of their
    // count and the first place they differ from the list's: a diff of
    // 600,000 rows is never printed whole.
    void ExpectFileAsListShows() {
        const std::vector<HotkeyEntry> file = ParseEnvText(EnvBytes());
        const Rows list = ListRows();
        ASSERT_EQ(file.size(), list.size());
        std::size_t firstDifference = list.size();
        for (std::size_t i = 0; i < list.size() && firstDifference == list.size(); ++i) {
            if (!(file[i] == list[i])) firstDifference = i;
        }
        EXPECT_EQ(firstDifference, list.size());
        for (const HotkeyEntry& entry : file) EXPECT_EQ(deleted_.count(entry.key), 0u);
    }

    // Deletes in ascending order, in descending order and at one place
    // again and again; a modify and its confirm; an add of a bound key
    // answered 是: all while saves run.
    void GiveEverything() {
        for (int row : {5, 10, 20, 3000, 2000, 1000, 7, 7, 7}) DeleteShown(row);
        // The modify opens the row shown, and the confirm takes the boxes
        // as they are at its click.
        SelectHotkeyRowForTest(50);
        const std::string opened = HotkeyCell(50, 0);
        Click(kModifyButton);
        SetText(kCommandBox, "changed");
        Click(kConfirmButton);
        EXPECT_EQ(HotkeyCell(HotkeyRowCount() - 1, 0), opened);
        EXPECT_EQ(HotkeyCell(HotkeyRowCount() - 1, 1), "changed");
        Click(kAddButton);
        SetText(kKeyBox, "K1");
        SetText(kCommandBox, "replaced");
        Click(kConfirmButton);
        EXPECT_EQ(HotkeyCell(HotkeyRowCount() - 1, 1), "replaced");
    }

    std::set<std::string> deleted_;
    int clicksDuringSaves_ = 0;
};

TEST_F(GivenActionsTest, EachClickDuringSavesActsOnTheRowsTheListShows) {
    boxes_.AnswerQuestionsYes(true);
    StartWithBytes(LargeEnv(600000));
    GiveEverything();
    PumpMessages();
    // The saves ran beside the clicks; the question was asked once.
    EXPECT_GT(clicksDuringSaves_, 0);
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].style, static_cast<unsigned>(MB_YESNO));
    ExpectFileAsListShows();
    // K1 is bound once now: the one added.
    int k1 = 0;
    for (const auto& [key, command] : HotkeyRows()) k1 += key == "K1";
    EXPECT_EQ(k1, 1);
    EXPECT_FALSE(Session().HasUnwrittenChange());
}

TEST_F(GivenActionsTest, ACloseRightBehindEndsWithTheFileAsTheListShowed) {
    boxes_.AnswerQuestionsYes(true);
    StartWithBytes(LargeEnv(600000));
    GiveEverything();
    const Rows shown = ListRows();
    PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(MainWindow(), nullptr);
    const std::vector<HotkeyEntry> file = ParseEnvText(EnvBytes());
    ASSERT_EQ(file.size(), shown.size());
    EXPECT_TRUE(file == shown);
    // No temporary of ours is left beside the file.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((TestEnvPath() + ".*~").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

}  // namespace
}  // namespace keyloom::test
