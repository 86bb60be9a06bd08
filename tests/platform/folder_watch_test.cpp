// The folder watch under Wine: a change to a file in the folder posts the
// window its message soon after, once until the window takes it, and
// nothing once the watch is stopped.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>

#include "core/wide_path.h"
#include "platform/folder_watch.h"

namespace keyloom {
namespace {

constexpr UINT kChanged = WM_APP + 7;

class FolderWatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr);
        ASSERT_NE(window_, nullptr);
        wchar_t temp[MAX_PATH + 1];
        const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        // 한글폴더 in the name: the folder is given as UTF-8.
        folder_ = Utf8Text(std::wstring_view(temp, length)) + "keyloom-watch-" +
                  std::to_string(GetCurrentProcessId()) +
                  "-\xED\x95\x9C\xEA\xB8\x80\xED\x8F\xB4\xEB\x8D\x94";
        ASSERT_TRUE(CreateDirectoryW(WidePath(folder_).c_str(), nullptr));
    }
    void TearDown() override {
        for (const char* name : {"env", "a", "b", "c", "d", "later", "renamed"}) {
            DeleteFileW(WidePath(File(name)).c_str());
        }
        RemoveDirectoryW(WidePath(folder_).c_str());
        DestroyWindow(window_);
    }

    std::string File(const std::string& name) const { return folder_ + "\\" + name; }

    void Write(const std::string& name, const std::string& bytes) {
        HANDLE file = CreateFileW(WidePath(File(name)).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    // The watch's messages that reach the window within milliseconds,
    // taken from its queue.
    int MessagesWithin(DWORD milliseconds) {
        int count = 0;
        const DWORD start = GetTickCount();
        do {
            MSG message;
            while (PeekMessageW(&message, window_, kChanged, kChanged, PM_REMOVE)) ++count;
            Sleep(10);
        } while (GetTickCount() - start < milliseconds);
        return count;
    }

    HWND window_ = nullptr;
    std::string folder_;
};

TEST_F(FolderWatchTest, AFileWrittenInTheFolderPostsTheMessageWithinASecond) {
    FolderWatch watch;
    ASSERT_TRUE(watch.Start(folder_, window_, kChanged));
    EXPECT_TRUE(watch.Running());
    EXPECT_EQ(MessagesWithin(100), 0);
    Write("env", "alias F2 x\r\n");
    EXPECT_EQ(MessagesWithin(1000), 1);
}

TEST_F(FolderWatchTest, ChangesBeforeTheMessageIsTakenPostNoSecondOne) {
    FolderWatch watch;
    ASSERT_TRUE(watch.Start(folder_, window_, kChanged));
    Write("a", "1");
    EXPECT_EQ(MessagesWithin(1000), 1);
    Write("b", "22");
    Write("c", "333");
    EXPECT_EQ(MessagesWithin(500), 0);
    watch.Taken();
    Write("d", "4444");
    EXPECT_EQ(MessagesWithin(1000), 1);
}

TEST_F(FolderWatchTest, RenamesDeletesAndGrowthCount) {
    Write("a", "1");
    FolderWatch watch;
    ASSERT_TRUE(watch.Start(folder_, window_, kChanged));
    ASSERT_TRUE(MoveFileExW(WidePath(File("a")).c_str(), WidePath(File("renamed")).c_str(), 0));
    EXPECT_EQ(MessagesWithin(1000), 1);
    watch.Taken();
    ASSERT_TRUE(DeleteFileW(WidePath(File("renamed")).c_str()));
    EXPECT_EQ(MessagesWithin(1000), 1);
    watch.Taken();
    Write("env", "x");
    EXPECT_EQ(MessagesWithin(1000), 1);
    watch.Taken();
    HANDLE file = CreateFileW(WidePath(File("env")).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "yz", 2, &written, nullptr);
    CloseHandle(file);
    EXPECT_EQ(MessagesWithin(1000), 1);
}

// Stop wakes the thread at once, not after a change or a timeout, and no
// message comes after it; so with the watch's end.
TEST_F(FolderWatchTest, StopReturnsPromptlyAndNothingIsPostedAfterIt) {
    FolderWatch watch;
    ASSERT_TRUE(watch.Start(folder_, window_, kChanged));
    const auto start = std::chrono::steady_clock::now();
    watch.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(watch.Running());
    Write("later", "x");
    EXPECT_EQ(MessagesWithin(500), 0);
    watch.Stop();  // a second stop does nothing

    {
        FolderWatch ended;
        ASSERT_TRUE(ended.Start(folder_, window_, kChanged));
    }
    Write("env", "y");
    EXPECT_EQ(MessagesWithin(500), 0);
}

TEST_F(FolderWatchTest, AMissingFolderIsNotWatchedAndOneWatchRunsAtATime) {
    FolderWatch watch;
    EXPECT_FALSE(watch.Start(folder_ + "\\missing", window_, kChanged));
    EXPECT_FALSE(watch.Running());
    ASSERT_TRUE(watch.Start(folder_, window_, kChanged));
    EXPECT_FALSE(watch.Start(folder_, window_, kChanged));
    Write("env", "x");
    EXPECT_EQ(MessagesWithin(1000), 1);
}

}  // namespace
}  // namespace keyloom
