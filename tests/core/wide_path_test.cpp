// The one conversion of our UTF-8 paths to the wide text the Windows file
// functions take, and back.
#include <gtest/gtest.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

#include "core/wide_path.h"

namespace keyloom {
namespace {

// The working folder as GetFullPathNameW would join a relative path to it.
std::wstring WorkingFolder() {
    wchar_t folder[32768];
    const DWORD length = GetCurrentDirectoryW(32768, folder);
    std::wstring text(folder, length);
    if (text.back() != L'\\') text += L'\\';
    return text;
}

TEST(WidePath, AFullDrivePathTakesTheLongFormWithBackslashes) {
    EXPECT_EQ(WidePath("C:\\x\\y/env"), L"\\\\?\\C:\\x\\y\\env");
    EXPECT_EQ(WidePath("D:/cad/pcbenv/env"), L"\\\\?\\D:\\cad\\pcbenv\\env");
    // The long form takes no "." or "..": they are worked out first.
    EXPECT_EQ(WidePath("C:\\x\\.\\y\\..\\env"), L"\\\\?\\C:\\x\\env");
}

TEST(WidePath, AShareTakesTheLongShareForm) {
    EXPECT_EQ(WidePath("\\\\server\\share\\pcb/env"), L"\\\\?\\UNC\\server\\share\\pcb\\env");
}

TEST(WidePath, APathInTheLongFormStaysWithItsSlashesTurned) {
    EXPECT_EQ(WidePath("\\\\?\\C:\\x/env"), L"\\\\?\\C:\\x\\env");
    EXPECT_EQ(WidePath("\\\\?\\UNC\\server\\share\\env"), L"\\\\?\\UNC\\server\\share\\env");
}

TEST(WidePath, ARelativePathIsMadeFullAgainstTheWorkingFolder) {
    const std::wstring folder = WorkingFolder();
    ASSERT_EQ(folder[1], L':');
    EXPECT_EQ(WidePath("env"), L"\\\\?\\" + folder + L"env");
    EXPECT_EQ(WidePath("sub/env"), L"\\\\?\\" + folder + L"sub\\env");
}

TEST(WidePath, NamesInAnyScriptAndOfAnyLengthComeWhole) {
    // 한글폴더 and an emoji (a surrogate pair in UTF-16).
    EXPECT_EQ(
        WidePath("C:\\\xED\x95\x9C\xEA\xB8\x80\xED\x8F\xB4\xEB\x8D\x94\\emoji\xF0\x9F\x98\x80"),
        L"\\\\?\\C:\\\xD55C\xAE00\xD3F4\xB354\\emoji\xD83D\xDE00");
    const std::string longName(300, 'd');
    EXPECT_EQ(WidePath("C:\\" + longName + "\\env"),
              L"\\\\?\\C:\\" + std::wstring(300, L'd') + L"\\env");
}

TEST(WidePath, NothingForAnEmptyPathOrOneThatIsNotUtf8) {
    EXPECT_EQ(WidePath(""), L"");
    // 工程 in code page 936 is no UTF-8.
    EXPECT_EQ(WidePath("C:\\\xB9\xA4\xB3\xCC\\env"), L"");
    EXPECT_EQ(WideText("\xB9\xA4"), L"");
}

TEST(Utf8Text, IsWideTextsUtf8AndComesBackThroughWideText) {
    const std::wstring wide = L"C:\\\xD55C\xAE00\\emoji\xD83D\xDE00\\env";
    const std::string utf8 = Utf8Text(wide);
    EXPECT_EQ(utf8, "C:\\\xED\x95\x9C\xEA\xB8\x80\\emoji\xF0\x9F\x98\x80\\env");
    EXPECT_EQ(WideText(utf8), wide);
    EXPECT_EQ(Utf8Text(L""), "");
}

}  // namespace
}  // namespace keyloom
