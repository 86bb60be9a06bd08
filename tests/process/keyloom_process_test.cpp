// The real keyloom.exe, copied into a folder of its own and run under Wine:
// start-up, the window it shows, exit codes, the skin library on disk,
// folders named in any script, and kills during saves.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

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
    // 402 by 325 at 96 DPI; on a screen of another DPI the same, scaled.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, MulDiv(402, dpi, 96));
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

using Names = std::vector<std::string>;

// text with its first hotkey line gone, as a delete of the first row
// writes it.
std::string WithoutFirstHotkey(const std::string& text) {
    const std::size_t start = text.find("alias ");
    return text.substr(0, start) + text.substr(text.find("\r\n", start) + 2);
}

// Waits until the label shows caption; false on timeout.
bool WaitForCaption(HWND label, const std::string& caption) {
    for (DWORD waited = 0; waited < kStartTimeout; waited += 20) {
        if (WindowText(label) == caption) return true;
        Sleep(20);
    }
    return false;
}

struct NamedFolder {
    const char* label;
    const char* name;  // UTF-8
};

class FolderNameTest : public ::testing::TestWithParam<NamedFolder> {};

// A folder Windows names only in wide text: the program finds itself and
// its env there, lists the hotkeys, and saves a delete with env.bak beside.
TEST_P(FolderNameTest, ListsTheHotkeysAndSavesADeleteWithEnvBak) {
    SystemLibraryGuard library;
    ScratchFolder folder(GetParam().name);
    ASSERT_TRUE(IsFolder(folder.Path()));
    const std::string copy = folder.File("keyloom.exe");
    ASSERT_TRUE(WriteFileBytes(copy, ProgramBytes("keyloom.exe")));
    ASSERT_TRUE(WriteFileBytes(folder.File("env"), kEnv));
    RunningProgram program(copy);
    HWND window = WaitForMainWindow(program);
    ASSERT_NE(window, nullptr);
    HWND label = Control(window, "标签2");
    EXPECT_EQ(WindowText(label), "3\xb8\xf6");
    HWND list = Control(window, "超级列表框1");
    ASSERT_EQ(ListRowCount(list), 3);
    EXPECT_EQ(ListCell(list, 1, 1), "\xb7\xc5\xb4\xf3");

    ASSERT_TRUE(SelectListRow(list, 0));
    PostMessageA(list, WM_KEYDOWN, VK_DELETE, 1);
    ASSERT_TRUE(WaitForCaption(label, "2\xb8\xf6"));
    EXPECT_EQ(CloseAndWait(window, program), 0u);
    EXPECT_EQ(ReadFileBytes(folder.File("env")), WithoutFirstHotkey(kEnv));
    EXPECT_EQ(ReadFileBytes(folder.File("env.bak")), kEnv);
    EXPECT_EQ(FileNamesIn(folder.Path()), (Names{"env", "env.bak", "keyloom.exe"}));
}

INSTANTIATE_TEST_SUITE_P(Names, FolderNameTest,
                         ::testing::Values(NamedFolder{"Korean",
                                                       "\xED\x95\x9C\xEA\xB8\x80"
                                                       "\xED\x8F\xB4\xEB\x8D\x94"},
                                           NamedFolder{"Emoji",
                                                       "emoji\xF0\x9F\x98\x80"
                                                       "dir"}),
                         [](const ::testing::TestParamInfo<NamedFolder>& info) {
                             return std::string(info.param.label);
                         });

// An env of 100,000 hotkeys (about 2.6 MB): a save writes for a while.
std::string LargeEnv() {
    std::string text = "source $TELENV\r\n\r\n\r\n";
    for (int i = 0; i < 100000; ++i) {
        text += "alias K" + std::to_string(i) + " zoom in " + std::to_string(i) + "\r\n";
    }
    return text + "\r\n### User Preferences section\r\nset autosave 1\r\n";
}

std::size_t HotkeyCount(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("\nalias "); at != std::string::npos;
         at = text.find("\nalias ", at + 1)) {
        ++count;
    }
    return count;
}

// On the host: finds the program's process by the name Wine gives it ($2:
// its folder's own name), waits for a temporary of ours beside env ($1:
// the folder), sleeps $3 seconds and kills the program with SIGKILL. Its
// marks go beside the script: "ready" once it waits, "killed" holding
// "seen" or "late" (no temporary came).
const char kKillScript[] =
    "marks=$(dirname \"$0\")\n"
    "for p in /proc/[0-9]*; do\n"
    "  case \"$({ tr '\\000' '\\n' < \"$p/cmdline\"; } 2>/dev/null | head -n 1)\" in\n"
    "    *\"$2\"*keyloom.exe) program=${p#/proc/} ;;\n"
    "  esac\n"
    "done\n"
    ": > \"$marks/ready\"\n"
    "seen=late\n"
    "tries=0\n"
    "while [ $tries -lt 100000 ]; do\n"
    "  for f in \"$1\"/env.*.part~; do [ -e \"$f\" ] && seen=seen; done\n"
    "  [ $seen = seen ] && break\n"
    "  tries=$((tries + 1))\n"
    "done\n"
    "[ \"$3\" = 0 ] || sleep \"$3\"\n"
    "kill -9 \"$program\"\n"
    "echo $seen > \"$marks/killed\"\n";

// kill -9 of the real program while it saves a large env, again and again,
// at moments spread over the save: after each restart env holds the text
// it held before that save or the saved one, byte for byte, env.bak the
// text before the save whenever env is the new one, nothing of ours is left
// beside them, and the list shows what env holds.
TEST_F(KeyloomProcessTest, AKillDuringASaveLeavesTheOldOrTheNewTextAfterARestart) {
    SystemLibraryGuard library;
    ScratchFolder folder("kill");
    ScratchFolder marks("kill-marks");
    const std::string copy = folder.File("keyloom.exe");
    ASSERT_TRUE(WriteFileBytes(copy, ProgramBytes("keyloom.exe")));
    std::string before = LargeEnv();
    ASSERT_TRUE(WriteFileBytes(folder.File("env"), before));
    ASSERT_TRUE(WriteFileBytes(marks.File("kill.sh"), kKillScript));
    const std::string script = HostPath(marks.File("kill.sh"));
    const std::string hostFolder = HostPath(folder.Path());
    ASSERT_FALSE(script.empty());
    const std::string folderName = folder.Path().substr(folder.Path().find_last_of('\\') + 1);

    auto program = std::make_unique<RunningProgram>(copy);
    HWND window = WaitForMainWindow(*program);
    ASSERT_NE(window, nullptr);
    int killedWhileSaving = 0;
    const std::vector<const char*> pauses = {"0",     "0.005", "0.01", "0.015", "0.02",
                                             "0.025", "0.03",  "0.04", "0.06",  "0.1"};
    for (const char* pause : pauses) {
        SCOPED_TRACE(std::string("killed ") + pause + " s after a temporary appeared");
        DeleteFileA(marks.File("ready").c_str());
        DeleteFileA(marks.File("killed").c_str());
        ASSERT_TRUE(StartHostProgram("/bin/sh " + script + " " + hostFolder + " " + folderName +
                                     " " + pause));
        for (DWORD waited = 0; !Exists(marks.File("ready")) && waited < kStartTimeout;
             waited += 10) {
            Sleep(10);
        }
        HWND list = Control(window, "超级列表框1");
        ASSERT_TRUE(SelectListRow(list, 0));
        PostMessageA(list, WM_KEYDOWN, VK_DELETE, 1);
        ASSERT_NE(program->WaitForExit(kStartTimeout), STILL_ACTIVE);
        for (DWORD waited = 0; !Exists(marks.File("killed")) && waited < kStartTimeout;
             waited += 10) {
            Sleep(10);
        }
        if (ReadFileBytes(marks.File("killed")) == "seen\n") ++killedWhileSaving;

        // The restart: its start puts right what the kill left.
        program = std::make_unique<RunningProgram>(copy);
        window = WaitForMainWindow(*program);
        ASSERT_NE(window, nullptr);
        const std::string env = ReadFileBytes(folder.File("env"));
        const std::string saved = WithoutFirstHotkey(before);
        ASSERT_TRUE(env == before || env == saved) << env.size() << " bytes";
        const Names names = FileNamesIn(folder.Path());
        if (env == saved) {
            EXPECT_EQ(ReadFileBytes(folder.File("env.bak")), before);
            EXPECT_EQ(names, (Names{"env", "env.bak", "keyloom.exe"}));
        } else {
            EXPECT_TRUE(names == (Names{"env", "env.bak", "keyloom.exe"}) ||
                        names == (Names{"env", "keyloom.exe"}));
        }
        EXPECT_EQ(WindowText(Control(window, "标签2")),
                  std::to_string(HotkeyCount(env)) + "\xb8\xf6");
        before = env;
    }
    // Every kill came after the delete's save had begun.
    EXPECT_EQ(killedWhileSaving, static_cast<int>(pauses.size()));
    EXPECT_EQ(CloseAndWait(window, *program), 0u);
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
