// The question before a key that another row binds is bound again, in the
// real window: its text, and what each answer leaves.
#include <windows.h>

#include <string>

#include "tests/handlers/editing_fixture.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using ReplaceQuestionTest = EditingTest;

const char* const kEnv =
    "alias F1 zoom in\r\nalias F3 x\r\n### User Preferences section\r\nalias F2 zoom fit\r\n";

TEST_F(ReplaceQuestionTest, NoKeepsEverythingAndTheKeyBoxYesLeavesOneLine) {
    for (bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        boxes_.Clear();
        boxes_.AnswerQuestionsYes(yes);
        StartWithBytes(kEnv);
        ClickButton("按钮_添加");
        Type("F2", "zoom out");
        ClickButton("按钮_确认");
        ASSERT_EQ(boxes_.Boxes().size(), 1u);
        EXPECT_EQ(boxes_.Boxes()[0].text, "快捷键 F2 已定义为 \"zoom fit\"，替换它吗？");
        EXPECT_EQ(boxes_.Boxes()[0].title, "快捷键已定义");
        EXPECT_EQ(boxes_.Boxes()[0].style, static_cast<unsigned>(MB_YESNO));
        if (yes) {
            EXPECT_EQ(EnvBytes(),
                      "alias F1 zoom in\r\nalias F3 x\r\nalias F2 zoom out\r\n"
                      "### User Preferences section\r\n");
            EXPECT_EQ(ListRows(), (Rows{{"F1", "zoom in"}, {"F3", "x"}, {"F2", "zoom out"}}));
            EXPECT_EQ(Width(), 402);
            EXPECT_EQ(Text("标签2"), "3个");
        } else {
            EXPECT_EQ(EnvBytes(), kEnv);
            EXPECT_EQ(Width(), 610);
            EXPECT_TRUE(FocusIn("编辑框2"));
            EXPECT_EQ(Text("编辑框2"), "F2");
            EXPECT_EQ(Text("编辑框3"), "zoom out");
        }
        CloseMainWindowForTest();
    }
}

}  // namespace
}  // namespace keyloom::test
