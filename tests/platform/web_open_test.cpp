// Opening the hyperlink's target and the logo's web site through the shell
// seam, and the real registry read behind the fallback.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/fallback_command.h"
#include "platform/classes_root.h"
#include "platform/web_open.h"
#include "tests/platform/shell_recorder.h"

namespace keyloom {
namespace {

using test::ShellRecorder;

constexpr const char* kTarget = "http://boardloom.example.com/";

void AssociateWebPages(ShellRecorder& shell, const std::string& command) {
    shell.classesRoot[".htm"] = "htmlfile";
    shell.classesRoot["htmlfile\\shell\\open\\command"] = command;
}

TEST(OpenHyperlinkTarget, ShellSuccessOpensWithoutFallback) {
    ShellRecorder shell;
    shell.shellResult = 33;
    EXPECT_TRUE(OpenHyperlinkTarget(kTarget));
    ASSERT_EQ(shell.shellCalls.size(), 1u);
    const auto& call = shell.shellCalls[0];
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, kTarget);
    EXPECT_FALSE(call.hasParameters);
    EXPECT_FALSE(call.hasDirectory);
    EXPECT_EQ(call.show, SW_SHOW);
    EXPECT_TRUE(shell.registryReads.empty());
    EXPECT_TRUE(shell.winExecCalls.empty());
}

TEST(OpenHyperlinkTarget, ShellResultOf32IsAFailureThatFallsBack) {
    ShellRecorder shell;
    shell.shellResult = 32;
    AssociateWebPages(shell, R"("C:\Web\browse.exe" -nohome "%1")");
    EXPECT_TRUE(OpenHyperlinkTarget(kTarget));
    ASSERT_EQ(shell.registryReads.size(), 2u);
    EXPECT_EQ(shell.registryReads[0], ".htm");
    EXPECT_EQ(shell.registryReads[1], "htmlfile\\shell\\open\\command");
    ASSERT_EQ(shell.winExecCalls.size(), 1u);
    EXPECT_EQ(shell.winExecCalls[0].commandLine,
              R"("C:\Web\browse.exe" -nohome  http://boardloom.example.com/)");
    EXPECT_EQ(shell.winExecCalls[0].show, static_cast<UINT>(SW_SHOW));
}

TEST(OpenHyperlinkTarget, FallbackSucceedsOnlyAbove32) {
    ShellRecorder shell;
    shell.shellResult = 2;
    AssociateWebPages(shell, "browse.exe %1");
    shell.winExecResult = 32;
    EXPECT_FALSE(OpenHyperlinkTarget(kTarget));
    shell.winExecResult = 33;
    EXPECT_TRUE(OpenHyperlinkTarget(kTarget));
    EXPECT_EQ(shell.winExecCalls.size(), 2u);
}

TEST(OpenHyperlinkTarget, MissingAssociationFailsWithoutRunningAnything) {
    ShellRecorder shell;
    shell.shellResult = 0;
    EXPECT_FALSE(OpenHyperlinkTarget(kTarget));  // no ".htm" key
    shell.classesRoot[".htm"] = "htmlfile";
    EXPECT_FALSE(OpenHyperlinkTarget(kTarget));  // no command key for the type
    EXPECT_EQ(shell.registryReads.size(), 3u);
    EXPECT_TRUE(shell.winExecCalls.empty());
}

TEST(OpenHyperlinkTarget, CommandLineTooLongForWindowsIsNotRun) {
    ShellRecorder shell;
    shell.shellResult = 5;
    AssociateWebPages(shell, R"("C:\Web\browse.exe" "%1")");
    std::string target =
        "http://boardloom.example.com/?" + std::string(kMaxWinExecCommandLine, 'q');
    EXPECT_FALSE(OpenHyperlinkTarget(target));
    EXPECT_TRUE(shell.winExecCalls.empty());
    ASSERT_EQ(shell.shellCalls.size(), 1u);
    EXPECT_EQ(shell.shellCalls[0].file, target);  // the shell had the whole address
}

TEST(OpenHyperlinkTarget, EmptyTargetFailsWithoutAnyCall) {
    ShellRecorder shell;
    EXPECT_FALSE(OpenHyperlinkTarget(""));
    EXPECT_TRUE(shell.shellCalls.empty());
    EXPECT_TRUE(shell.registryReads.empty());
    EXPECT_TRUE(shell.winExecCalls.empty());
}

TEST(OpenWebAddress, OwnerIsTheWindowTitledExactlyMicrosoftInternetExplorer) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // Only the exact title counts; a longer one is passed over.
    HWND similar = CreateWindowExA(0, "STATIC", "Microsoft Internet Explorer 6", WS_OVERLAPPED, 0,
                                   0, 10, 10, nullptr, nullptr, instance, nullptr);
    ASSERT_NE(similar, nullptr);
    {
        ShellRecorder shell;
        OpenWebAddress("http://keyloom.example.com/");
        ASSERT_EQ(shell.shellCalls.size(), 1u);
        EXPECT_EQ(shell.shellCalls[0].owner, nullptr);
    }
    HWND explorer = CreateWindowExA(0, "STATIC", "Microsoft Internet Explorer", WS_OVERLAPPED, 0, 0,
                                    10, 10, nullptr, nullptr, instance, nullptr);
    ASSERT_NE(explorer, nullptr);
    {
        ShellRecorder shell;
        OpenWebAddress("http://keyloom.example.com/");
        ASSERT_EQ(shell.shellCalls.size(), 1u);
        EXPECT_EQ(shell.shellCalls[0].owner, explorer);
    }
    DestroyWindow(explorer);
    DestroyWindow(similar);
}

TEST(OpenWebAddress, ShellFailureIsIgnored) {
    ShellRecorder shell;
    shell.shellResult = 2;
    AssociateWebPages(shell, "browse.exe %1");
    OpenWebAddress("http://keyloom.example.com/");
    EXPECT_EQ(shell.shellCalls.size(), 1u);
    EXPECT_TRUE(shell.registryReads.empty());  // no fallback for the logo
    EXPECT_TRUE(shell.winExecCalls.empty());
}

// A key of our own under HKEY_CLASSES_ROOT, removed after each test.
class ClassesRootKeys : public ::testing::Test {
protected:
    static constexpr const char* kKey = "KeyloomLinkTest.type";

    void TearDown() override { RegDeleteTreeA(HKEY_CLASSES_ROOT, kKey); }

    void SetDefault(const char* subKey, DWORD type, const std::string& bytes) {
        std::string path = std::string(kKey) + (*subKey ? "\\" : "") + subKey;
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
};

TEST_F(ClassesRootKeys, ReadsTextDefaultOfAnyLengthUpToItsFirstZeroByte) {
    std::string command = "\"C:\\浏览器\\b.exe\" \"%1\" " + std::string(1000, 'o');
    SetDefault("shell\\open\\command", REG_SZ, command + '\0');
    std::string value = "old";
    ASSERT_TRUE(ReadClassesRootDefault("KeyloomLinkTest.type\\shell\\open\\command", &value));
    EXPECT_EQ(value, command);
    // Registry strings need not end in a zero byte, and end at the first one.
    SetDefault("", REG_SZ, "nozero");
    ASSERT_TRUE(ReadClassesRootDefault("KeyloomLinkTest.type", &value));
    EXPECT_EQ(value, "nozero");
    SetDefault("", REG_SZ, std::string("htmlfile\0junk", 13));
    ASSERT_TRUE(ReadClassesRootDefault("KeyloomLinkTest.type", &value));
    EXPECT_EQ(value, "htmlfile");
}

TEST_F(ClassesRootKeys, ExpandableCommandHasItsVariablesExpanded) {
    ASSERT_TRUE(SetEnvironmentVariableA("KEYLOOM_LINK_TEST_DIR", "C:\\Web"));
    SetDefault("", REG_EXPAND_SZ, std::string("%KEYLOOM_LINK_TEST_DIR%\\b.exe \"%1\"") + '\0');
    std::string value;
    ASSERT_TRUE(ReadClassesRootDefault("KeyloomLinkTest.type", &value));
    EXPECT_EQ(value, "C:\\Web\\b.exe \"%1\"");
}

TEST_F(ClassesRootKeys, MissingKeyOrNonTextDefaultFails) {
    std::string value = "kept";
    EXPECT_FALSE(ReadClassesRootDefault("KeyloomLinkTest.type\\no\\such\\key", &value));
    SetDefault("", REG_DWORD, std::string(4, '\1'));
    EXPECT_FALSE(ReadClassesRootDefault("KeyloomLinkTest.type", &value));
    EXPECT_EQ(value, "kept");
}

}  // namespace
}  // namespace keyloom
