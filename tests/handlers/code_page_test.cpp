// The window on a Windows whose ANSI code page is not 936 (run with code
// page 1252): every text of the program reads back as wide text equal to
// the Chinese text, message boxes included, and the env file's bytes stay
// in the system's code page.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "core/env_text.h"
#include "tests/handlers/editing_fixture.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

std::wstring WideText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring Caption(const char* name) {
    return WideText(ControlWindow(name));
}

class CodePageTest : public EditingTest {
protected:
    void SetUp() override {
        // Without another code page this program proves nothing.
        ASSERT_NE(GetACP(), 936u);
        Start(FiveRows());
    }
};

TEST_F(CodePageTest, CaptionsReadBackAsTheChineseTexts) {
    const struct {
        const char* name;
        const wchar_t* text;
    } expected[] = {
        {"标签1", L"快捷键总数："},  {"标签2", L"5个"},
        {"标签3", L"快捷键："},      {"标签4", L"功能定义："},
        {"按钮_添加", L"添加"},      {"按钮_修改", L"修改"},
        {"按钮_删除", L"删除"},      {"按钮_env内容", L"env数据"},
        {"按钮_确认", L"确认"},      {"分组框1", L"添加快捷键"},
        {"分组框2", L"env实时数据"}, {"超级链接框1", L"推荐：Boardloom 封装库管理工具"}};
    for (const auto& control : expected) {
        EXPECT_EQ(Caption(control.name), control.text) << control.name;
    }
    HWND list = ControlWindow("超级列表框1");
    const wchar_t* titles[] = {L"  快捷键", L"功能定义"};
    for (int i = 0; i < 2; ++i) {
        wchar_t title[64] = L"";
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT;
        column.pszText = title;
        column.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(title, titles[i]);
    }
}

TEST_F(CodePageTest, CaptionsTheHandlersSetReadBackAndKeepTheMode) {
    OpenForModify(0);
    EXPECT_EQ(Caption("分组框1"), L"修改快捷键");
    EXPECT_EQ(Caption("按钮_确认"), L"确认修改");
    // The mode is read back from the caption: a modify replaces the row.
    Type("F9", "zoom out");
    ClickButton("按钮_确认");
    EXPECT_EQ(ListRows(), Without(FiveRows(), {0}, {{"F9", "zoom out"}}));
    EXPECT_EQ(Caption("标签2"), L"5个");
    ClickButton("按钮_添加");
    EXPECT_EQ(Caption("分组框1"), L"添加快捷键");
    EXPECT_EQ(Caption("按钮_确认"), L"确认添加");
}

TEST_F(CodePageTest, EnvBytesStayInTheSystemCodePage) {
    OpenForModify(3);
    // 放大 in code page 936 is B7 C5 B4 F3; the box holds these bytes.
    EXPECT_EQ(Text("编辑框3"), "\xB7\xC5\xB4\xF3");
    EXPECT_EQ(WideText(ControlWindow("编辑框3")), L"\u00B7\u00C5\u00B4\u00F3");
}

// The real message boxes, read as wide text when they are set up.
std::vector<std::wstring> gSeen;
HHOOK gHook = nullptr;

BOOL CALLBACK ReadStatic(HWND child, LPARAM) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    // Static texts, and the content box a long text shows in.
    const bool text =
        lstrcmpiW(className, L"Static") == 0 || lstrcmpW(className, L"KeyloomMemo") == 0;
    if (text && WideText(child) != L"") {
        gSeen.push_back(WideText(child));
    }
    return TRUE;
}

LRESULT CALLBACK WatchForBoxes(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG) {
        gSeen.push_back(WideText(call->hwnd));
        EnumChildWindows(call->hwnd, ReadStatic, 0);
        PostMessageW(call->hwnd, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(gHook, code, wParam, lParam);
}

// The real boxes, not the recorder of the editing tests.
class CodePageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(GetACP(), 936u);
        env_ = ComposeEnvText(FiveRows());
        ASSERT_NE(StartMainWindowForTest(env_), nullptr);
        gSeen.clear();
        gHook = SetWindowsHookExW(WH_CALLWNDPROCRET, WatchForBoxes, nullptr, GetCurrentThreadId());
        ASSERT_NE(gHook, nullptr);
    }
    void TearDown() override {
        UnhookWindowsHookEx(gHook);
        CloseMainWindowForTest();
    }
    std::string env_;
};

TEST_F(CodePageBoxTest, AnErrorBoxShowsTheChineseTexts) {
    SelectHotkeyRowForTest(-1);
    ClickButton("按钮_删除");
    const std::vector<std::wstring> seen = {L"操作错误", L"请先选中要修改的行后，再点击此按钮！"};
    EXPECT_EQ(gSeen, seen);
}

TEST_F(CodePageBoxTest, TheEnvContentBoxShowsTheFileInTheSystemCodePage) {
    ClickButton("按钮_env内容");
    // Code page 1252 reads each byte from 0xA0 on as the character of that
    // number, so 放大 (B7 C5 B4 F3) shows as four Latin letters.
    std::wstring expected;
    for (unsigned char byte : env_) expected.push_back(static_cast<wchar_t>(byte));
    const std::vector<std::wstring> seen = {L"env数据", expected};
    EXPECT_EQ(gSeen, seen);
}

}  // namespace
}  // namespace keyloom::test
