#include "tests/handlers/editing_fixture.h"

#include <windows.h>

#include <algorithm>

#include "window/window_ops.h"

namespace keyloom::test {

Rows FiveRows() {
    return {{"F1", "zoom fit"},
            {"F2", "zoom in"},
            {"F3", "pan  left"},
            // 放大: a Chinese command in code page 936.
            {"F4", "\xB7\xC5\xB4\xF3"},
            {"F5", "done"}};
}

void EditingTest::TearDown() {
    SetFileAttributesA(TestEnvPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    CloseMainWindowForTest();
    DeleteFileA((TestEnvPath() + ".bak").c_str());
}

void EditingTest::Start(const Rows& rows) {
    StartWithBytes(ComposeEnvText(rows));
}

void EditingTest::StartWithBytes(const std::string& envBytes) {
    originalEnv_ = envBytes;
    ASSERT_NE(StartMainWindowForTest(envBytes), nullptr);
}

Rows EditingTest::ListRows() const {
    Rows rows;
    for (auto& [key, command] : HotkeyRows()) rows.push_back({key, command});
    return rows;
}

std::string EditingTest::EnvBytes() const {
    return ReadFileBytes(TestEnvPath());
}

std::string EditingTest::Text(std::string_view control) const {
    return ControlText(control);
}

int EditingTest::Width() const {
    return MainWindowWidth();
}

bool EditingTest::FocusIn(std::string_view control) const {
    return GetFocus() != nullptr && GetFocus() == ControlWindow(control);
}

void EditingTest::OpenForModify(int row) {
    SelectHotkeyRowForTest(row);
    ClickButton("按钮_修改");
}

void EditingTest::Type(const std::string& key, const std::string& command) {
    TypeInto("编辑框2", key);
    TypeInto("编辑框3", command);
}

Rows EditingTest::Without(const Rows& rows, std::vector<int> removed, const Rows& appended) {
    Rows result;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (std::find(removed.begin(), removed.end(), i) == removed.end()) {
            result.push_back(rows[i]);
        }
    }
    result.insert(result.end(), appended.begin(), appended.end());
    return result;
}

void ExpectNoSelectionBox(const RecordedBox& box) {
    EXPECT_EQ(box.text, "请先选中要修改的行后，再点击此按钮！");
    EXPECT_EQ(box.title, "操作错误");
    EXPECT_EQ(box.style, static_cast<unsigned>(MB_ICONERROR));
}

void ExpectInputErrorBox(const RecordedBox& box) {
    EXPECT_EQ(box.text, "填写错误！");
    EXPECT_EQ(box.title, "错误");
    EXPECT_EQ(box.style, static_cast<unsigned>(MB_ICONERROR));
}

}  // namespace keyloom::test
