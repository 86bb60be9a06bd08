// EnvFilePath: the program's folder as UTF-8, exact in any script, then "/env".
#include <gtest/gtest.h>

#include <windows.h>

#include "core/wide_path.h"
#include "handlers/editing_state.h"
#include "platform/globals.h"
#include "platform/program_folder.h"
#include "tests/window/window_fixture.h"

namespace keyloom::test {
namespace {

TEST(EnvFilePathTest, ProgramInCxGivesCxSlashEnv) {
    EXPECT_EQ(EnvFilePathFor("C:\\x\\tool.exe"), "C:\\x/env");
    EXPECT_EQ(EnvFilePathFor("D:\\cad\\pcbenv\\keyloom.exe"), "D:\\cad\\pcbenv/env");
}

TEST(EnvFilePathTest, PathWithoutBackslashHasAnEmptyFolder) {
    EXPECT_EQ(FolderOfPath("tool.exe"), "");
    EXPECT_EQ(EnvFilePathFor("tool.exe"), "/env");
    EXPECT_EQ(FolderOfPath(""), "");
}

TEST(EnvFilePathTest, FoldersInAnyScriptAreCutAtTheirLastBackslash) {
    // 한글폴더 and emoji😀dir in UTF-8: no byte of theirs is 0x5C.
    const std::string korean = "C:\\\xED\x95\x9C\xEA\xB8\x80\xED\x8F\xB4\xEB\x8D\x94";
    EXPECT_EQ(FolderOfPath(korean + "\\keyloom.exe"), korean);
    EXPECT_EQ(EnvFilePathFor(korean + "\\keyloom.exe"), korean + "/env");
    const std::string emoji =
        "D:\\pcb\\emoji\xF0\x9F\x98\x80"
        "dir";
    EXPECT_EQ(EnvFilePathFor(emoji + "\\keyloom.exe"), emoji + "/env");
}

TEST(EnvFilePathTest, PathsLongerThan260CharactersAreKeptWhole) {
    std::string folder = "\\\\?\\C:";
    while (folder.size() < 600) folder += "\\\xED\x95\x9C" + std::string(40, 'd');
    EXPECT_EQ(FolderOfPath(folder + "\\keyloom.exe"), folder);
    EXPECT_EQ(EnvFilePathFor(folder + "\\keyloom.exe"), folder + "/env");
}

TEST(EnvFilePathTest, ProgramFilePathIsTheModulesFullPathAsUtf8) {
    wchar_t expected[4096];
    DWORD length = GetModuleFileNameW(nullptr, expected, 4096);
    ASSERT_GT(length, 0u);
    const std::string path = ProgramFilePath();
    EXPECT_EQ(WideText(path), std::wstring(expected, length));
    EXPECT_EQ(path.back(), 'e');
}

TEST_F(MainWindowTest, CreatedHandlerOpensTheEnvFileBesideTheProgram) {
    EXPECT_EQ(Session().Path(), TestProgramFolder() + "/env");
}

TEST(EnvFilePathTest, WorkingDirectoryDoesNotMatter) {
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    SetCurrentDirectoryA("C:\\");
    HWND window = StartMainWindowForTest(EnvWithLines("alias F9 x\r\n"));
    SetCurrentDirectoryA(saved);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Session().Path(), TestProgramFolder() + "/env");
    EXPECT_EQ(HotkeyRows().size(), 1u);
    CloseMainWindowForTest();
}

}  // namespace
}  // namespace keyloom::test
