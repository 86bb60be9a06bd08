// Env files as users keep them, edited through the real window: the list
// shows their hotkeys, those below Allegro's section line too, and a delete,
// a modify and an add change exactly those lines of the file; a delete below
// the line is refused once Allegro has rewritten its section.
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

const keyloom::testing::EnvShape& Shape(std::string_view name) {
    static const std::vector<keyloom::testing::EnvShape> shapes = keyloom::testing::EnvShapes();
    for (const keyloom::testing::EnvShape& shape : shapes) {
        if (shape.name == name) return shape;
    }
    ADD_FAILURE() << "no shape " << name;
    return shapes.front();
}

TEST_F(RealEnvTest, CrLfFileWithCommentsSettingsAndFunckeys) {
    EditThroughTheWindow(Shape("comments, settings and funckeys, CR LF"));
}

TEST_F(RealEnvTest, FileWithLfLineEnds) {
    EditThroughTheWindow(Shape("LF line ends"));
}

TEST_F(RealEnvTest, HotkeysOnlyBelowTheMarker) {
    EditThroughTheWindow(Shape("hotkeys only below the marker, LF"));
}

TEST_F(RealEnvTest, AQuotedSpaceKeyAboveAndBelowTheMarker) {
    EditThroughTheWindow(Shape("a quoted Space key"));
}

// Allegro rewrote its section without the tail's hotkeys: the delete of
// one of them finds its line gone, writes nothing and says so; the list
// then shows the file as it stands.
TEST_F(RealEnvTest, ATailRowsDeleteAfterAllegroRewroteItsSectionSaysItsLineIsGone) {
    const keyloom::testing::EnvShape& shape = Shape("hotkeys above and below the marker");
    StartWithBytes(shape.text);
    const std::string rewritten = keyloom::testing::WithNewSection(shape.text);
    ASSERT_TRUE(WriteFileBytes(TestEnvPath(), rewritten));
    SelectHotkeyRowForTest(shape.deleteRow);
    ClickButton("按钮_删除");
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].text,
              "env文件已被其他程序改动，以下快捷键的行已不是原来的样子，未能删除：\r\n" +
                  shape.rows[static_cast<std::size_t>(shape.deleteRow)].key);
    EXPECT_EQ(ReadFileBytes(TestEnvPath()), rewritten);
    EXPECT_EQ(ListRows(), ParseEnvText(rewritten));
}

}  // namespace
}  // namespace keyloom::test
