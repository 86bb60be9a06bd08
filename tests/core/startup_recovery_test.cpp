// What a start does with what killed saves left: a whole temporary becomes
// env (or env.bak) where nothing else holds a text, every other leftover of
// an ended writer goes, and nothing else is touched; and the way back to
// env.bak.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/env_file.h"
#include "core/env_file_os.h"
#include "core/startup_recovery.h"
#include "tests/core/scratch_folder.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "core/wide_path.h"
#endif

namespace keyloom {
namespace {

using testing::ScratchFolder;
using Names = std::vector<std::string>;

const std::string kOldText = "source $TELENV\r\nalias F2 old\r\n";
const std::string kNewText = "source $TELENV\r\nalias F2 new\r\n";

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

std::string Ended() {
    return std::to_string(testing::EndedProcessId());
}

// Sets the file's last write time to a day in 2020, so which of two is
// newer does not hang on the clock's steps.
void MakeOlder(const ScratchFolder& folder, const std::string& name) {
    ASSERT_TRUE(folder.RunOnHost("touch -m -d '2020-01-02 03:04:05' '" + name + "'"));
}

TEST(RecoverLeftoversAtStartup, RemovesOnlyOurTemporariesOfEndedWriters) {
    ScratchFolder folder;
    const std::string ended = Ended();
    const std::string running = std::to_string(fileos::CurrentProcessId());
    // The largest id of 32 bits: no process is given it.
    const Names leftovers = {"env." + ended + ".part~", "env." + ended + ".whole~",
                             "env.bak." + ended + ".part~", "env.bak." + ended + ".whole~",
                             "env.4294967295.whole~"};
    const Names kept = {
        "env", "env.bak", "notes.txt",
        // The temporaries of a save that is still running.
        "env." + running + ".part~", "env." + running + ".whole~", "env.bak." + running + ".whole~",
        // Near our naming, but not ours.
        "env." + ended + ".part~x", "env." + ended + "x.whole~", "env.0" + ended + ".whole~",
        "env.+" + ended + ".whole~", "env..whole~", "env.12a.part~", "env.4294967296.whole~",
        "env." + ended + ".whole", "env." + ended + ".new~", "env." + ended + ".bak~",
        "xenv." + ended + ".whole~", "other." + ended + ".part~"};
    for (const std::string& name : kept) testing::WriteBytes(folder.File(name), "kept");
    for (const std::string& name : leftovers) testing::WriteBytes(folder.File(name), "part");
    // A folder is never removed, whatever its name.
    testing::MakeFolder(folder.File("env.1.whole~"));

    const StartupRecovery recovery = RecoverLeftoversAtStartup(folder.File("env"));
    Names expected = kept;
    expected.push_back("env.1.whole~");
    EXPECT_EQ(folder.Names(), Sorted(expected));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), "kept");
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), "kept");
    EXPECT_FALSE(recovery.putTemporaryInPlace);
    EXPECT_FALSE(recovery.envMissingOrEmpty);
    EXPECT_TRUE(recovery.backupPresent);
}

// The first save of a missing env killed after its temporary was whole:
// that temporary holds the only copy of the text, and becomes env.
TEST(RecoverLeftoversAtStartup, PutsTheNewestWholeTemporaryInPlaceWhenEnvIsMissing) {
    ScratchFolder folder;
    const std::string older = "env." + Ended() + ".whole~";
    const std::string newer = "env." + Ended() + ".whole~";
    const std::string part = "env." + Ended() + ".part~";
    testing::WriteBytes(folder.File(older), kOldText);
    testing::WriteBytes(folder.File(newer), kNewText);
    testing::WriteBytes(folder.File(part), kNewText + "alias F3");
    MakeOlder(folder, older);

    const StartupRecovery recovery = RecoverLeftoversAtStartup(folder.File("env"));
    EXPECT_TRUE(recovery.putTemporaryInPlace);
    EXPECT_FALSE(recovery.envMissingOrEmpty);
    EXPECT_FALSE(recovery.backupPresent);
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kNewText);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

// An empty env holds no text to lose: the whole temporary's text is saved
// into it as a save would, through a link to the file it leads to.
TEST(RecoverLeftoversAtStartup, PutsAWholeTemporaryIntoAnEmptyEnvThroughItsLink) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("shared"));
    testing::WriteBytes(folder.File("shared/env"), "");
    ASSERT_TRUE(folder.RunOnHost("ln -s shared/env env"));
    testing::WriteBytes(folder.File("env." + Ended() + ".whole~"), kNewText);

    const StartupRecovery recovery = RecoverLeftoversAtStartup(folder.File("env"));
    EXPECT_TRUE(recovery.putTemporaryInPlace);
    EXPECT_FALSE(recovery.envMissingOrEmpty);
    EXPECT_EQ(testing::ReadBytes(folder.File("shared/env")), kNewText);
    EXPECT_TRUE(folder.RunOnHost("test -L env"));
    EXPECT_EQ(folder.Names(), (Names{"env", "shared"}));
    EXPECT_EQ(testing::NamesIn(folder.File("shared")), Names{"env"});
}

// A whole temporary beside an env with text never became env: env holds
// the last whole text, and the temporary goes.
TEST(RecoverLeftoversAtStartup, AWholeTemporaryBesideAnEnvWithTextGoes) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kOldText);
    testing::WriteBytes(folder.File("env." + Ended() + ".whole~"), kNewText);
    testing::WriteBytes(folder.File("env." + Ended() + ".whole~"), kOldText);

    const StartupRecovery recovery = RecoverLeftoversAtStartup(folder.File("env"));
    EXPECT_FALSE(recovery.putTemporaryInPlace);
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kOldText);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

// Where no text can go (a folder stands at the name), the whole temporaries
// are the only copies of their texts and stay; partial ones go.
TEST(RecoverLeftoversAtStartup, KeepsWholeTemporariesWhereNoTextCanGo) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("env"));
    const std::string whole = "env." + Ended() + ".whole~";
    testing::WriteBytes(folder.File(whole), kNewText);
    testing::WriteBytes(folder.File("env." + Ended() + ".part~"), kNewText);

    const StartupRecovery recovery = RecoverLeftoversAtStartup(folder.File("env"));
    EXPECT_FALSE(recovery.putTemporaryInPlace);
    EXPECT_FALSE(recovery.envMissingOrEmpty);
    EXPECT_EQ(folder.Names(), Sorted(Names{"env", whole}));
}

// env.bak is recovered the same way: a whole copy of a killed backup
// becomes env.bak when there is none.
TEST(RecoverLeftoversAtStartup, AWholeBackupCopyBecomesAMissingEnvBak) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kNewText);
    testing::WriteBytes(folder.File("env.bak." + Ended() + ".whole~"), kOldText);
    testing::WriteBytes(folder.File("env.bak." + Ended() + ".part~"), kOldText);

    const StartupRecovery recovery = RecoverLeftoversAtStartup(folder.File("env"));
    EXPECT_FALSE(recovery.putTemporaryInPlace);
    EXPECT_TRUE(recovery.backupPresent);
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), kOldText);
    EXPECT_EQ(folder.Names(), (Names{"env", "env.bak"}));
}

TEST(RecoverLeftoversAtStartup, TellsWhetherEnvHoldsATextAndEnvBakIsThere) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    StartupRecovery recovery = RecoverLeftoversAtStartup(env);
    EXPECT_TRUE(recovery.envMissingOrEmpty);
    EXPECT_FALSE(recovery.backupPresent);
    testing::WriteBytes(folder.File("env.bak"), "");
    testing::WriteBytes(env, "");
    recovery = RecoverLeftoversAtStartup(env);
    EXPECT_TRUE(recovery.envMissingOrEmpty);
    EXPECT_FALSE(recovery.backupPresent);  // an empty env.bak is no way back
    testing::WriteBytes(folder.File("env.bak"), kOldText);
    recovery = RecoverLeftoversAtStartup(env);
    EXPECT_TRUE(recovery.envMissingOrEmpty);
    EXPECT_TRUE(recovery.backupPresent);
    testing::WriteBytes(env, kNewText);
    recovery = RecoverLeftoversAtStartup(env);
    EXPECT_FALSE(recovery.envMissingOrEmpty);
    EXPECT_TRUE(recovery.backupPresent);
    EXPECT_FALSE(recovery.putTemporaryInPlace);
    EXPECT_EQ(folder.Names(), (Names{"env", "env.bak"}));
}

TEST(RestoreBackup, CopiesEnvBakOverAMissingOrEmptyEnvAndKeepsIt) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    testing::WriteBytes(folder.File("env.bak"), kOldText);
    ASSERT_TRUE(RestoreBackup(env));
    EXPECT_EQ(testing::ReadBytes(env), kOldText);
    testing::WriteBytes(env, "");
    ASSERT_TRUE(RestoreBackup(env));
    EXPECT_EQ(testing::ReadBytes(env), kOldText);
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), kOldText);
    EXPECT_EQ(folder.Names(), (Names{"env", "env.bak"}));
}

TEST(RestoreBackup, NothingWithoutAnEnvBakWithText) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    testing::WriteBytes(env, "");
    EXPECT_FALSE(RestoreBackup(env));
    testing::WriteBytes(folder.File("env.bak"), "");
    EXPECT_FALSE(RestoreBackup(env));
    EXPECT_FALSE(RestoreBackup(""));
    EXPECT_EQ(testing::ReadBytes(env), "");
    EXPECT_EQ(folder.Names(), (Names{"env", "env.bak"}));
}

TEST(RestoreBackup, ReplacesTheFileALinkLeadsTo) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("shared"));
    testing::WriteBytes(folder.File("shared/env"), "");
    ASSERT_TRUE(folder.RunOnHost("ln -s shared/env env"));
    testing::WriteBytes(folder.File("env.bak"), kOldText);
    ASSERT_TRUE(RestoreBackup(folder.File("env")));
    EXPECT_EQ(testing::ReadBytes(folder.File("shared/env")), kOldText);
    EXPECT_TRUE(folder.RunOnHost("test -L env"));
}

#ifdef _WIN32
// Windows gives ids again soon: a process that started after the file was
// written cannot have written it.
TEST(RecoverLeftoversAtStartup, AnIdGivenAgainDoesNotKeepALeftover) {
    ScratchFolder folder;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other = {};
    char commandLine[] = "cmd.exe /c exit";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE,
                               CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                               &other));
    testing::WriteBytes(folder.File("env"), kOldText);
    const std::string leftover = folder.File("env." + std::to_string(other.dwProcessId) + ".part~");
    testing::WriteBytes(leftover, "part");
    // Written an hour before that process started.
    FILETIME created, exited, kernel, user;
    ASSERT_TRUE(GetProcessTimes(other.hProcess, &created, &exited, &kernel, &user));
    ULARGE_INTEGER written = {{created.dwLowDateTime, created.dwHighDateTime}};
    written.QuadPart -= 36'000'000'000ull;
    const FILETIME writtenTime = {written.LowPart, written.HighPart};
    HANDLE file = CreateFileW(WidePath(leftover).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &writtenTime));
    CloseHandle(file);

    RecoverLeftoversAtStartup(folder.File("env"));
    EXPECT_EQ(folder.Names(), Names{"env"});
    TerminateProcess(other.hProcess, 0);
    CloseHandle(other.hThread);
    CloseHandle(other.hProcess);
}
#endif

}  // namespace
}  // namespace keyloom
