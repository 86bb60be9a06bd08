// The real shell: with the seams left at their defaults, the addresses the
// link and the logo open reach the browser that Wine's winebrowser starts,
// here a script that records its argument. (Comparing the defaults with
// &ShellExecuteA proves nothing: MinGW gives an import stub's address in
// one place and the DLL's in another.)
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "platform/classes_root.h"
#include "platform/web_open.h"
#include "tests/window/link_window.h"
#include "window/controls/hyperlink.h"

namespace keyloom {
namespace {

constexpr const char* kBrowserKey = "Software\\Wine\\WineBrowser";

std::optional<std::string> ReadString(HKEY root, const char* subKey, const char* name) {
    char buffer[1024] = {};
    DWORD size = sizeof(buffer) - 1;
    if (RegGetValueA(root, subKey, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(buffer);
}

void WriteString(HKEY root, const char* subKey, const char* name, const std::string& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

void DeleteString(HKEY root, const char* subKey, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

class RealShell : public ::testing::Test {
protected:
    void SetUp() override {
        oldBrowsers_ = ReadString(HKEY_CURRENT_USER, kBrowserKey, "Browsers");
        WriteString(HKEY_CURRENT_USER, kBrowserKey, "Browsers", KEYLOOM_RECORD_BROWSER);
        DeleteFileA(KEYLOOM_RECORD_LOG);
    }

    void TearDown() override {
        if (oldBrowsers_) {
            WriteString(HKEY_CURRENT_USER, kBrowserKey, "Browsers", *oldBrowsers_);
        } else {
            DeleteString(HKEY_CURRENT_USER, kBrowserKey, "Browsers");
        }
        DeleteFileA(KEYLOOM_RECORD_LOG);
    }

    // True once the browser has been given the address; waits up to 30 s
    // for the browser process to start.
    static bool BrowserOpened(const std::string& address) {
        for (int waited = 0; waited < 30000; waited += 100) {
            std::ifstream log(KEYLOOM_RECORD_LOG);
            std::string line;
            while (std::getline(log, line)) {
                if (line == address) return true;
            }
            Sleep(100);
        }
        return false;
    }

private:
    std::optional<std::string> oldBrowsers_;
};

TEST_F(RealShell, LogoAddressReachesTheBrowser) {
    OpenWebAddress("http://keyloom.example.com/?logo");
    EXPECT_TRUE(BrowserOpened("http://keyloom.example.com/?logo"));
}

TEST_F(RealShell, LinkPressReachesTheBrowserAndLeavesTheVisitedColour) {
    test::LinkWindow window;
    window.MoveTo(10, 10);
    window.Press(10, 10);
    window.MoveTo(-1, -1);
    EXPECT_EQ(HyperlinkCaptionColour(window.link()), kHyperlinkVisitedColour);
    EXPECT_TRUE(BrowserOpened(kAdvertisementAddress));
}

HINSTANCE WINAPI RefusingShellExecute(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) {
    return reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC);
}

TEST_F(RealShell, FallbackRunsTheWebPageProgramThroughWinExec) {
    // This prefix names no type for ".htm"; give it Wine's own for the test.
    const bool hadType = ReadString(HKEY_CLASSES_ROOT, ".htm", nullptr).has_value();
    if (!hadType) WriteString(HKEY_CLASSES_ROOT, ".htm", nullptr, "htmlfile");
    std::string command;
    ASSERT_TRUE(ReadClassesRootDefault("htmlfile\\shell\\open\\command", &command));
    EXPECT_NE(command.find("winebrowser"), std::string::npos) << command;

    gShellExecute = RefusingShellExecute;
    bool opened = OpenHyperlinkTarget("http://boardloom.example.com/?fallback");
    gShellExecute = &ShellExecuteA;
    if (!hadType) RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");

    EXPECT_TRUE(opened);
    EXPECT_TRUE(BrowserOpened("http://boardloom.example.com/?fallback"));
}

}  // namespace
}  // namespace keyloom
