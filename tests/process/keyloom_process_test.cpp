// The real keyloom.exe, copied into a folder of its own and run under Wine:
// start-up, the window it shows, exit codes, and the skin library on disk.
#include <gtest/gtest.h>

#include <string>

#include "platform/fatal_error.h"
#include "tests/process/process_helpers.h"
#include "window/controls/control_table.h"

namespace keyloom::test {
namespace {

constexpr DWORD kStartTimeout = 30000;

std::string ProgramBytes(const char* name) {
    return ReadFileBytes(BuildFolder() + "\\" + name);
}

// Three rows, one with code page 936 text (放大).
const std::string kEnv =
    "source $TELENV\r\n\r\n\r\nalias F2 zoom fit\r\nalias F3 \xb7\xc5\xb4\xf3\r\n"
    "alias F4 pan  left\r\n\r\n### User Preferences section\r\nset x\r\n";

// Waits for the visible main window of the process; null on timeout.
HWND WaitForMainWindow(RunningProgram& program) {
    for (DWORD waited = 0; waited < kStartTimeout; waited += 50) {
        HWND window = FindProcessWindow(program.Id(), "", "Allegro Keyloom");
        if (window) return window;
        if (program.WaitForExit(0) != STILL_ACTIVE) return nullptr;
        Sleep(50);
    }
    return nullptr;
}

HWND Control(HWND window, const char* name) {
    const int index = ControlIndex(name);
    return index < 0 ? nullptr : FindDescendantById(window, kControls[index].id);
}

DWORD CloseAndWait(HWND window, RunningProgram& program) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return program.WaitForExit(kStartTimeout);
}

class KeyloomProcessTest : public ::testing::Test {
protected:
    // keyloom.exe with the example env beside it, in a folder of its own.
    std::string PrepareProgram(const ScratchFolder& folder,
                               const std::string& program = "keyloom.exe") {
        std::string copy = folder.File(program);
        EXPECT_TRUE(WriteFileBytes(copy, ProgramBytes(program.c_str())));
        WriteFileBytes(folder.File("env"), kEnv);
        return copy;
    }
};

TEST_F(KeyloomProcessTest, ShowsTheRowsOfTheEnvBesideItAndExitsWithZeroWhenClosed) {
    SystemLibraryGuard library;
    ScratchFolder folder("rows");
    RunningProgram program(PrepareProgram(folder));
    ASSERT_TRUE(program.Started());
    HWND window = WaitForMainWindow(program);
    ASSERT_NE(window, nullptr);
    // 266 by 325 at 96 DPI; on a screen of another DPI the same, scaled.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, MulDiv(266, dpi, 96));
    EXPECT_EQ(rect.bottom - rect.top, MulDiv(325, dpi, 96));
    HWND list = Control(window, "超级列表框1");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(ListRowCount(list), 3);
    EXPECT_EQ(ListCell(list, 0, 0), "F2");
    EXPECT_EQ(ListCell(list, 0, 1), "zoom fit");
    EXPECT_EQ(ListCell(list, 1, 1), "\xb7\xc5\xb4\xf3");
    EXPECT_EQ(ListCell(list, 2, 1), "pan  left");
    EXPECT_EQ(WindowText(Control(window, "标签2")), "3\xb8\xf6");
    EXPECT_EQ(CloseAndWait(window, program), 0u);
}

TEST_F(KeyloomProcessTest, EscClosesTheWindowAndEndsWithZero) {
    SystemLibraryGuard library;
    ScratchFolder folder("esc");
    RunningProgram program(PrepareProgram(folder));
    HWND window = WaitForMainWindow(program);
    ASSERT_NE(window, nullptr);
    HWND list = Control(window, "超级列表框1");
    PostMessageA(list, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(program.WaitForExit(kStartTimeout), 0u);
}

TEST_F(KeyloomProcessTest, UnusableLibraryShowsTheFatalBoxBeforeAnyWindowAndEndsWithMinusOne) {
    SystemLibraryGuard library;
    library.MakeFolder();  // present, so nothing is written; loads fail
    ScratchFolder folder("fatal");
    RunningProgram program(PrepareProgram(folder));
    ASSERT_TRUE(program.Started());
    HWND box = nullptr;
    for (DWORD waited = 0; !box && waited < kStartTimeout; waited += 20) {
        ASSERT_EQ(FindProcessWindow(program.Id(), "", "Allegro Keyloom"), nullptr)
            << "the main window was shown";
        box = FindProcessWindow(program.Id(), "#32770", "");
        if (!box) Sleep(20);
    }
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "错误");
    EXPECT_EQ(
        WindowText(GetDlgItem(box, 0xFFFF)),
        FatalErrorText("无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_AttachRes”", 0));
    EXPECT_FALSE(Exists(folder.File("SkinH_EL.dll")));
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(program.WaitForExit(kStartTimeout), 0xFFFFFFFFu);
}

TEST_F(KeyloomProcessTest, WritesTheLibraryOnceByteForByteAndNeverReplacesIt) {
    SystemLibraryGuard library;
    library.MakeAbsent();
    ScratchFolder folder("install");
    std::string copy = PrepareProgram(folder);
    {
        RunningProgram program(copy);
        HWND window = WaitForMainWindow(program);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(CloseAndWait(window, program), 0u);
    }
    EXPECT_EQ(ReadFileBytes(library.Path()), ProgramBytes("SkinH_EL.dll"));
    EXPECT_FALSE(Exists(folder.File("SkinH_EL.dll")));
    // Another library in its place (our recorder) stays as it is.
    std::string other = ProgramBytes("skin_recorder.dll");
    library.MakeFile(other);
    {
        RunningProgram program(copy);
        HWND window = WaitForMainWindow(program);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(CloseAndWait(window, program), 0u);
    }
    EXPECT_EQ(ReadFileBytes(library.Path()), other);
    EXPECT_TRUE(Exists(folder.File("skin_calls.txt")));  // the recorder was used
}

// The recorder's lines for a run.
std::string SkinCalls(const ScratchFolder& folder) {
    return ReadFileBytes(folder.File("skin_calls.txt"));
}

unsigned long long Fnv1a(const std::string& bytes) {
    unsigned long long hash = 14695981039346656037ull;
    for (unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

TEST_F(KeyloomProcessTest, ACopyBesideTheProgramIsPreferredAndGetsSkinOne) {
    SystemLibraryGuard library;
    library.MakeFile(ProgramBytes("SkinH_EL.dll"));
    ScratchFolder folder("beside");
    std::string copy = PrepareProgram(folder);
    WriteFileBytes(folder.File("SkinH_EL.dll"), ProgramBytes("skin_recorder.dll"));
    RunningProgram program(copy);
    HWND window = WaitForMainWindow(program);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CloseAndWait(window, program), 0u);
    std::string skin1 = ReadFileBytes(KEYLOOM_FIRST_SKIN_FILE);
    ASSERT_FALSE(skin1.empty());
    EXPECT_EQ(SkinCalls(folder), "attach null=0 size=" + std::to_string(skin1.size()) +
                                     " hash=" + std::to_string(Fnv1a(skin1)) +
                                     " password=empty 110 40 10\naero 0\n");
}

class ApplySkinIndexTest : public ::testing::TestWithParam<int> {};

TEST_P(ApplySkinIndexTest, IndexOutsideTheSkinsHandsNoBytesAndStillSetsAero) {
    ScratchFolder folder("apply" + std::to_string(GetParam() + 100));
    std::string probe = folder.File("skin_apply_probe.exe");
    WriteFileBytes(probe, ProgramBytes("skin_apply_probe.exe"));
    WriteFileBytes(folder.File("SkinH_EL.dll"), ProgramBytes("skin_recorder.dll"));
    RunningProgram program(probe, std::to_string(GetParam()));
    ASSERT_EQ(program.WaitForExit(kStartTimeout), 0u);
    EXPECT_EQ(SkinCalls(folder), "attach null=1 size=0 hash=0 password=empty 110 40 10\naero 0\n");
}

INSTANTIATE_TEST_SUITE_P(Indices, ApplySkinIndexTest, ::testing::Values(0, 38, -1, 1000));

TEST(ApplySkinTest, EverySkinIndexFrom1To37HandsItsBytes) {
    ScratchFolder folder("apply-all");
    std::string probe = folder.File("skin_apply_probe.exe");
    WriteFileBytes(probe, ProgramBytes("skin_apply_probe.exe"));
    WriteFileBytes(folder.File("SkinH_EL.dll"), ProgramBytes("skin_recorder.dll"));
    for (int index : {1, 2, 37}) {
        DeleteFileA(folder.File("skin_calls.txt").c_str());
        RunningProgram program(probe, std::to_string(index));
        ASSERT_EQ(program.WaitForExit(kStartTimeout), 0u);
        std::string calls = SkinCalls(folder);
        EXPECT_EQ(calls.rfind("attach null=0 size=", 0), 0u) << index << ": " << calls;
    }
}

}  // namespace
}  // namespace keyloom::test
