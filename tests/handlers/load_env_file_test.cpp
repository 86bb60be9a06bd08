// LoadEnvFile in the real window: rows, count, missing file; and the
// leftover of a killed save, which the start removes.
#include <gtest/gtest.h>

#include "tests/window/window_fixture.h"
#include "window/hotkey_list.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

class LoadEnvFileTest : public ::testing::Test {
protected:
    void TearDown() override { CloseMainWindowForTest(); }
};

TEST_F(LoadEnvFileTest, ShowsEveryHotkeyLineAsARowAndTheirCount) {
    ASSERT_NE(StartMainWindowForTest(EnvWithLines("alias F2 zoom fit\r\n"
                                                  "alias F4 pan  left \r\n"
                                                  "alias F5\r\n"
                                                  "set color red\r\n"
                                                  "alias  F6 x\r\n")),
              nullptr);
    // 'set color red' is a setting, not a hotkey.
    EXPECT_EQ(HotkeyRows(),
              (Rows{{"F2", "zoom fit"}, {"F4", "pan  left"}, {"F5", ""}, {"F6", "x"}}));
    EXPECT_EQ(ControlText("标签2"), "4\xb8\xf6");
}

TEST_F(LoadEnvFileTest, KeepsDoubleByteTextsUnconverted) {
    // 放大 / 缩小 in code page 936.
    ASSERT_NE(
        StartMainWindowForTest(EnvWithLines("alias F7 \xb7\xc5\xb4\xf3 \xcb\xf5\xd0\xa1\r\n")),
        nullptr);
    EXPECT_EQ(HotkeyRows(), (Rows{{"F7", "\xb7\xc5\xb4\xf3 \xcb\xf5\xd0\xa1"}}));
}

TEST_F(LoadEnvFileTest, StartRemovesTheLeftoverOfAKilledSave) {
    // No process is given the largest id of 32 bits.
    const std::string leftover = TestEnvPath() + ".4294967295.part~";
    ASSERT_TRUE(WriteFileBytes(leftover, "part of a save"));
    ASSERT_NE(StartMainWindowForTest(EnvWithLines("alias F2 x\r\n")), nullptr);
    EXPECT_EQ(GetFileAttributesA(leftover.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(leftover.c_str());
}

// The first save of a missing env killed once its temporary was whole: the
// start puts that text in place before it reads the file.
TEST_F(LoadEnvFileTest, StartListsTheWholeTemporaryOfAKilledFirstSave) {
    const std::string leftover = TestEnvPath() + ".4294967295.whole~";
    ASSERT_TRUE(WriteFileBytes(leftover, EnvWithLines("alias F2 x\r\n")));
    ASSERT_NE(StartMainWindowWithoutEnvForTest(), nullptr);
    EXPECT_EQ(HotkeyRows(), (Rows{{"F2", "x"}}));
    EXPECT_EQ(GetFileAttributesA(leftover.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ReadFileBytes(TestEnvPath()), EnvWithLines("alias F2 x\r\n"));
}

TEST_F(LoadEnvFileTest, MissingFileShowsZeroAndNoRows) {
    ASSERT_NE(StartMainWindowWithoutEnvForTest(), nullptr);
    EXPECT_EQ(HotkeyRowCount(), 0);
    EXPECT_EQ(ControlText("标签2"), "0\xb8\xf6");
    // Loading writes nothing.
    EXPECT_EQ(GetFileAttributesA(TestEnvPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

// env gone while env.bak is there: asked before anything is written; 是
// puts env.bak back and lists it, 否 goes on and the run leaves env.bak as
// it is.
TEST_F(LoadEnvFileTest, AMissingEnvBesideEnvBakOffersItBack) {
    const std::string backup = "alias F2 zoom fit\r\nalias F3 pan\r\n";
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        MessageBoxRecorder boxes;
        boxes.AnswerQuestionsYes(yes);
        ASSERT_NE(StartMainWindowBesideBackupForTest(backup), nullptr);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].style, static_cast<unsigned>(MB_YESNO));
        EXPECT_EQ(boxes.Boxes()[0].title, "恢复env");
        if (yes) {
            EXPECT_EQ(ReadFileBytes(TestEnvPath()), backup);
            EXPECT_EQ(HotkeyRowCount(), 2);
        } else {
            EXPECT_EQ(HotkeyRowCount(), 0);
            SendMessageA(ControlWindow("按钮_添加"), BM_CLICK, 0, 0);
            TypeInto("编辑框2", "F9");
            TypeInto("编辑框3", "x");
            ClickButton("按钮_确认");
            EXPECT_EQ(ReadFileBytes(TestEnvPath() + ".bak"), backup);
        }
        CloseMainWindowForTest();
    }
    DeleteFileA((TestEnvPath() + ".bak").c_str());
}

TEST_F(LoadEnvFileTest, FileWithoutMarkerListsItsHotkeys) {
    ASSERT_NE(StartMainWindowForTest("alias F2 zoom\nfunckey F3 pan"), nullptr);
    EXPECT_EQ(HotkeyRows(), (Rows{{"F2", "zoom"}, {"F3", "pan"}}));
    // The third column: each row's verb as its line has it.
    EXPECT_EQ(HotkeyCell(0, 2), "alias");
    EXPECT_EQ(HotkeyCell(1, 2), "funckey");
    EXPECT_EQ(ControlText("标签2"), "2\xb8\xf6");
}

TEST_F(LoadEnvFileTest, ManyRowsAreAllListedInOrder) {
    std::string lines;
    for (int i = 0; i < 300; ++i)
        lines += "alias K" + std::to_string(i) + " cmd " + std::to_string(i) + "\r\n";
    ASSERT_NE(StartMainWindowForTest(EnvWithLines(lines)), nullptr);
    ASSERT_EQ(HotkeyRowCount(), 300);
    EXPECT_EQ(HotkeyCell(299, 0), "K299");
    EXPECT_EQ(HotkeyCell(299, 1), "cmd 299");
    EXPECT_EQ(ControlText("标签2"), "300\xb8\xf6");
}

TEST_F(LoadEnvFileTest, LongCellTextsComeBackWhole) {
    std::string command(5000, 'c');
    ASSERT_NE(StartMainWindowForTest(EnvWithLines("alias F1 " + command + "\r\n")), nullptr);
    EXPECT_EQ(HotkeyCell(0, 1), command);
}

TEST_F(LoadEnvFileTest, CellsAndSelection) {
    ASSERT_NE(StartMainWindowForTest(EnvWithLines("alias A a\r\nalias B b\r\nalias C c\r\n")),
              nullptr);
    EXPECT_EQ(HotkeyRowCount(), 3);
    EXPECT_EQ(HotkeyCell(1, 1), "b");
    EXPECT_EQ(HotkeyCell(-1, 0), "");
    EXPECT_EQ(HotkeyCell(0, 3), "");
    EXPECT_EQ(SelectedHotkeyRow(), -1);
    SelectHotkeyRowForTest(1);
    EXPECT_EQ(SelectedHotkeyRow(), 1);
    EXPECT_EQ(HotkeyCell(9, 0), "");
}

}  // namespace
}  // namespace keyloom::test
