// Env files as users keep them, edited through the real window: the list
// shows their hotkeys, and a delete, a modify and an add change exactly
// those lines of the file.
#include <windows.h>

#include <algorithm>

#include "tests/core/env_shapes.h"
#include "tests/handlers/editing_fixture.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using Lines = std::vector<std::string>;

class RealEnvTest : public EditingTest {
protected:
    void EditThroughTheWindow(const keyloom::testing::EnvShape& shape);
};

void RealEnvTest::EditThroughTheWindow(const keyloom::testing::EnvShape& shape) {
    StartWithBytes(shape.text);
    ASSERT_EQ(HotkeyRows().size(), shape.rows.size());
    for (std::size_t i = 0; i < shape.rows.size(); ++i) {
        EXPECT_EQ(HotkeyRows()[i].first, shape.rows[i].key);
        EXPECT_EQ(HotkeyRows()[i].second, shape.rows[i].command);
    }
    EXPECT_EQ(ControlText("标签2"), std::to_string(shape.rows.size()) + "个");

    SelectHotkeyRowForTest(shape.deleteRow);
    ClickButton("按钮_删除");
    SelectHotkeyRowForTest(shape.modifyRow);
    ClickButton("按钮_修改");
    TypeInto("编辑框3", shape.newCommand);
    ClickButton("按钮_确认");
    ClickButton("按钮_添加");
    TypeInto("编辑框2", keyloom::testing::kAddedHotkey.key);
    TypeInto("编辑框3", keyloom::testing::kAddedHotkey.command);
    ClickButton("按钮_确认");

    keyloom::testing::LineDiff diff =
        keyloom::testing::DiffLines(shape.text, ReadFileBytes(TestEnvPath()));
    Lines removed = shape.removed;
    std::sort(removed.begin(), removed.end());
    std::sort(diff.removed.begin(), diff.removed.end());
    EXPECT_EQ(diff.removed, removed);
    EXPECT_EQ(diff.added, shape.added);
    EXPECT_EQ(ControlText("标签2"), std::to_string(shape.rows.size()) + "个");
    // The file as it was before this run's first change.
    EXPECT_EQ(ReadFileBytes(TestEnvPath() + ".bak"), shape.text);
}

TEST_F(RealEnvTest, CrLfFileWithCommentsSettingsAndFunckeys) {
    EditThroughTheWindow(keyloom::testing::EnvShapes()[0]);
}

TEST_F(RealEnvTest, FileWithLfLineEnds) {
    EditThroughTheWindow(keyloom::testing::EnvShapes()[1]);
}

}  // namespace
}  // namespace keyloom::test
