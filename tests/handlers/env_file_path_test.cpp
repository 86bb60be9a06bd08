// EnvFilePath: the program's folder, found double-byte aware, then "/env".
#include <gtest/gtest.h>

#include <windows.h>

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

TEST(EnvFilePathTest, SecondByte5CIsNoBackslash) {
    // D5 5C is one double-byte character; its second byte is the backslash
    // code, and must not cut the folder name.
    EXPECT_EQ(FolderOfPath("C:\\ab\xD5\x5C\\tool.exe"), "C:\\ab\xD5\x5C");
    EXPECT_EQ(EnvFilePathFor("C:\\ab\xD5\x5C\\tool.exe"), "C:\\ab\xD5\x5C/env");
    // Here the last real backslash is the one after "C:".
    EXPECT_EQ(FolderOfPath("C:\\ab\xD5\x5Ctool.exe"), "C:");
    // A plain backslash after a double-byte character still counts.
    EXPECT_EQ(FolderOfPath("C:\\\xB1\xEA\\tool.exe"), "C:\\\xB1\xEA");
}

TEST(EnvFilePathTest, PathsLongerThan260BytesAreKeptWhole) {
    std::string folder = "C:";
    while (folder.size() < 600) folder += "\\\xD5\x5C" + std::string(40, 'd');
    EXPECT_EQ(FolderOfPath(folder + "\\keyloom.exe"), folder);
    EXPECT_EQ(EnvFilePathFor(folder + "\\keyloom.exe"), folder + "/env");
}

TEST(EnvFilePathTest, ProgramFilePathIsTheModulesFullPath) {
    char expected[4096];
    DWORD length = GetModuleFileNameA(nullptr, expected, sizeof expected);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(ProgramFilePath(), std::string(expected, length));
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
