// Temporaries left by a save that was killed: a start removes exactly the
// files of our naming whose writer has ended, and nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/env_file_os.h"
#include "core/env_temporary.h"
#include "tests/core/scratch_folder.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace keyloom {
namespace {

using testing::ScratchFolder;
using Names = std::vector<std::string>;

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(RemoveLeftoverTemporaries, RemovesOnlyOurTemporariesOfEndedWriters) {
    ScratchFolder folder;
    const std::string ended = std::to_string(testing::EndedProcessId());
    const std::string running = std::to_string(fileos::CurrentProcessId());
    // The largest id of 32 bits: no process is given it.
    const Names leftovers = {"env." + ended + ".new~", "env.bak." + ended + ".bak~",
                             "env.4294967295.new~"};
    const Names kept = {"env", "env.bak", "notes.txt",
                        // The temporaries of a save that is still running.
                        "env." + running + ".new~", "env.bak." + running + ".bak~",
                        // Near our naming, but not ours.
                        "env." + ended + ".new~x", "env." + ended + "x.new~",
                        "env.0" + ended + ".new~", "env.+" + ended + ".new~", "env..new~",
                        "env.12a.new~", "env.4294967296.new~", "env." + ended + ".new",
                        "env." + ended + ".bak~", "env.bak." + ended + ".new~",
                        "xenv." + ended + ".new~", "other." + ended + ".new~"};
    for (const std::string& name : kept) testing::WriteBytes(folder.File(name), "kept");
    for (const std::string& name : leftovers) testing::WriteBytes(folder.File(name), "part");
    // A folder is never removed, whatever its name.
    testing::MakeFolder(folder.File("env.1.new~"));

    RemoveLeftoverTemporaries(folder.File("env"));
    Names expected = kept;
    expected.push_back("env.1.new~");
    EXPECT_EQ(folder.Names(), Sorted(expected));
}

#ifdef _WIN32
// Windows gives ids again soon: a process that started after the file was
// written cannot have written it.
TEST(RemoveLeftoverTemporaries, AnIdGivenAgainDoesNotKeepALeftover) {
    ScratchFolder folder;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other = {};
    char commandLine[] = "cmd.exe /c exit";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE,
                               CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                               &other));
    const std::string leftover = folder.File("env." + std::to_string(other.dwProcessId) + ".new~");
    testing::WriteBytes(leftover, "part");
    // Written an hour before that process started.
    FILETIME created, exited, kernel, user;
    ASSERT_TRUE(GetProcessTimes(other.hProcess, &created, &exited, &kernel, &user));
    ULARGE_INTEGER written = {{created.dwLowDateTime, created.dwHighDateTime}};
    written.QuadPart -= 36'000'000'000ull;
    const FILETIME writtenTime = {written.LowPart, written.HighPart};
    HANDLE file = CreateFileA(leftover.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &writtenTime));
    CloseHandle(file);

    RemoveLeftoverTemporaries(folder.File("env"));
    EXPECT_EQ(folder.Names(), Names{});
    TerminateProcess(other.hProcess, 0);
    CloseHandle(other.hThread);
    CloseHandle(other.hProcess);
}
#endif

}  // namespace
}  // namespace keyloom
