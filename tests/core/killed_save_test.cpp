// A save killed at each of its steps, in a process of its own that the file
// layer's step hook ends as a kill would; then a start's recovery. env holds
// the old text or the new one byte for byte, nothing of ours is left, and
// env.bak is the original: no sequence of kills, restarts and changes loses
// the last whole text.
#include <gtest/gtest.h>

#include <cstdlib>
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
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace keyloom {
namespace {

using testing::ScratchFolder;
using Names = std::vector<std::string>;

// A job's exit codes other than the number of steps it went through.
constexpr int kKilled = 137;
constexpr int kJobFailed = 200;

// An env of about 1.5 MB, so its temporary is written in two pieces and a
// kill can fall between them.
std::string LargeEnv() {
    std::string text = "source $TELENV\r\n\r\n";
    for (int i = 0; text.size() < (3u << 19); ++i) {
        text += "alias K" + std::to_string(i) + " zoom in " + std::to_string(i) + "\r\n";
    }
    return text + "\r\n### User Preferences section\r\nset autosave 1\r\n";
}

// What a save writes over old: its first hotkey line gone, one added.
std::string NewTextFor(const std::string& old) {
    if (old.empty()) return LargeEnv();
    const std::size_t first = old.find("alias");
    const std::size_t end = old.find("\r\n", first) + 2;
    return old.substr(0, first) + old.substr(end) + "alias F12 added\r\n";
}

// The step at which the running job is ended; 0 for none.
int gKillAt = 0;
int gStepsReached = 0;

[[noreturn]] void KillThisProcess() {
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), kKilled);
#else
    kill(getpid(), SIGKILL);
#endif
    std::abort();
}

void CountStep(fileos::SaveStep) {
    if (++gStepsReached == gKillAt) KillThisProcess();
}

// The file layer's part of a save, as the session makes it (the target
// resolved once, env.bak written with the old text, env replaced), or the
// start's way back to env.bak. The steps reached, or kJobFailed.
int RunJob(const std::string& job, int killAt, const std::string& env) {
    gKillAt = killAt;
    gStepsReached = 0;
    fileos::gSaveStepHook = CountStep;
    bool done = false;
    if (job == "save") {
        const std::string old = ReadEnvText(env);
        const SaveTarget target = ResolveSaveTarget(env);
        done = target.refusal == SaveRefusal::kNone && (old.empty() || WriteBackupFile(env, old)) &&
               ReplaceEnvFile(target, NewTextFor(old));
    } else if (job == "restore") {
        done = RestoreBackup(env);
    }
    fileos::gSaveStepHook = nullptr;
    return done ? gStepsReached : kJobFailed;
}

struct JobEnd {
    bool killed = false;
    int steps = 0;
};

#ifdef _WIN32
constexpr wchar_t kJobVariable[] = L"KEYLOOM_KILLED_JOB";

// This test program started again for a job: "<job> <step> <env path>" in
// the environment. It runs the job before any test and ends.
int RunJobIfAsked() {
    wchar_t value[32768];
    const DWORD length = GetEnvironmentVariableW(kJobVariable, value, 32768);
    if (length == 0 || length >= 32768) return 0;
    const std::string line = Utf8Text(std::wstring_view(value, length));
    const std::size_t first = line.find(' ');
    const std::size_t second = line.find(' ', first + 1);
    const int code =
        RunJob(line.substr(0, first), std::atoi(line.substr(first + 1, second - first - 1).c_str()),
               line.substr(second + 1));
    ExitProcess(static_cast<UINT>(code));
}

const int gJobRun = RunJobIfAsked();

JobEnd RunJobInProcessOfItsOwn(const std::string& job, int killAt, const std::string& env) {
    wchar_t self[32768];
    const DWORD length = GetModuleFileNameW(nullptr, self, 32768);
    EXPECT_GT(length, 0u);
    const std::wstring value = WideText(job + " " + std::to_string(killAt) + " " + env);
    SetEnvironmentVariableW(kJobVariable, value.c_str());
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    std::wstring commandLine = L"\"" + std::wstring(self, length) + L"\"";
    const bool started = CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &child);
    SetEnvironmentVariableW(kJobVariable, nullptr);
    EXPECT_TRUE(started);
    if (!started) return {};
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return {code == kKilled, static_cast<int>(code)};
}
#else
JobEnd RunJobInProcessOfItsOwn(const std::string& job, int killAt, const std::string& env) {
    const pid_t child = fork();
    if (child == 0) _exit(RunJob(job, killAt, env));
    EXPECT_GT(child, 0);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) return {WTERMSIG(status) == SIGKILL, 0};
    return {false, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}
#endif

// The number of steps of the whole job on these files.
int StepsOfWholeJob(const std::string& job, const std::string& envText,
                    const std::string& backupText) {
    ScratchFolder folder;
    if (!envText.empty() || job == "restore") testing::WriteBytes(folder.File("env"), envText);
    if (!backupText.empty()) testing::WriteBytes(folder.File("env.bak"), backupText);
    const JobEnd end = RunJobInProcessOfItsOwn(job, 0, folder.File("env"));
    EXPECT_FALSE(end.killed);
    EXPECT_LT(end.steps, kJobFailed);
    return end.steps;
}

bool Has(const Names& names, const std::string& name) {
    for (const std::string& each : names) {
        if (each == name) return true;
    }
    return false;
}

// A save of an env killed at each step; env.bak absent before it, or left
// by an older run.
TEST(KilledSave, AtEachStepLeavesTheOldOrTheNewTextAndNothingOfOurs) {
    const std::string original = LargeEnv();
    const std::string saved = NewTextFor(original);
    for (const std::string& olderBackup : {std::string(), std::string("an older run\r\n")}) {
        const int steps = StepsOfWholeJob("save", original, olderBackup);
        // Two replaces, each of at least six steps.
        ASSERT_GE(steps, 12);
        int endedOld = 0;
        int endedNew = 0;
        for (int step = 1; step <= steps; ++step) {
            SCOPED_TRACE("killed at step " + std::to_string(step) + " of " + std::to_string(steps) +
                         (olderBackup.empty() ? "" : ", env.bak there"));
            ScratchFolder folder;
            testing::WriteBytes(folder.File("env"), original);
            if (!olderBackup.empty()) testing::WriteBytes(folder.File("env.bak"), olderBackup);
            ASSERT_TRUE(RunJobInProcessOfItsOwn("save", step, folder.File("env")).killed);

            const StartupRecovery recovery = RecoverLeftoversAtStartup(folder.File("env"));
            EXPECT_FALSE(recovery.envMissingOrEmpty);
            EXPECT_FALSE(recovery.putTemporaryInPlace);
            const std::string env = testing::ReadBytes(folder.File("env"));
            ASSERT_TRUE(env == original || env == saved) << env.size() << " bytes";
            (env == original ? endedOld : endedNew)++;
            const Names names = folder.Names();
            if (Has(names, "env.bak")) {
                const std::string backup = testing::ReadBytes(folder.File("env.bak"));
                EXPECT_TRUE(backup == original || backup == olderBackup);
                // The new text is in place only once env.bak holds the original.
                if (env == saved) EXPECT_EQ(backup, original);
                EXPECT_EQ(names, (Names{"env", "env.bak"}));
            } else {
                EXPECT_TRUE(olderBackup.empty());
                EXPECT_EQ(env, original);
                EXPECT_EQ(names, Names{"env"});
            }
            EXPECT_EQ(recovery.backupPresent, Has(names, "env.bak"));
        }
        // Only the kill after the last step leaves the new text.
        EXPECT_EQ(endedNew, 1);
        EXPECT_EQ(endedOld, steps - 1);
    }
}

// The first save of a missing env: killed before its temporary was whole
// there is no env yet; after, the start puts the whole one in place.
TEST(KilledSave, OfAMissingEnvLeavesNoEnvOrAllOfTheNewOne) {
    const std::string saved = NewTextFor("");
    const int steps = StepsOfWholeJob("save", "", "");
    ASSERT_GE(steps, 6);
    int placed = 0;
    for (int step = 1; step <= steps; ++step) {
        SCOPED_TRACE("killed at step " + std::to_string(step) + " of " + std::to_string(steps));
        ScratchFolder folder;
        ASSERT_TRUE(RunJobInProcessOfItsOwn("save", step, folder.File("env")).killed);
        const StartupRecovery recovery = RecoverLeftoversAtStartup(folder.File("env"));
        placed += recovery.putTemporaryInPlace ? 1 : 0;
        EXPECT_FALSE(recovery.backupPresent);
        const Names names = folder.Names();
        if (names.empty()) {
            EXPECT_TRUE(recovery.envMissingOrEmpty);
        } else {
            EXPECT_EQ(names, Names{"env"});
            EXPECT_TRUE(testing::ReadBytes(folder.File("env")) == saved);
            EXPECT_FALSE(recovery.envMissingOrEmpty);
        }
    }
    // Killed after the rename to the whole name, before the one onto env.
    EXPECT_EQ(placed, 1);
}

// Putting env.bak back, killed at each step: env stays empty or holds all
// of env.bak, which stays.
TEST(KilledRestore, AtEachStepLeavesEnvEmptyOrTheBackup) {
    const std::string original = LargeEnv();
    const int steps = StepsOfWholeJob("restore", "", original);
    ASSERT_GE(steps, 6);
    for (int step = 1; step <= steps; ++step) {
        SCOPED_TRACE("killed at step " + std::to_string(step) + " of " + std::to_string(steps));
        ScratchFolder folder;
        testing::WriteBytes(folder.File("env"), "");
        testing::WriteBytes(folder.File("env.bak"), original);
        ASSERT_TRUE(RunJobInProcessOfItsOwn("restore", step, folder.File("env")).killed);
        const StartupRecovery recovery = RecoverLeftoversAtStartup(folder.File("env"));
        const std::string env = testing::ReadBytes(folder.File("env"));
        EXPECT_TRUE(env.empty() || env == original) << env.size() << " bytes";
        EXPECT_EQ(recovery.envMissingOrEmpty, env.empty());
        EXPECT_TRUE(recovery.backupPresent);
        EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), original);
        EXPECT_EQ(folder.Names(), (Names{"env", "env.bak"}));
    }
}

// Runs one after another, each a start and one save that is killed at a
// step drawn from a fixed sequence or let finish: after every start, the
// text env held before the last save is in env or in env.bak.
TEST(KilledSave, NoSequenceOfKillsRestartsAndChangesLosesTheLastWholeText) {
    ScratchFolder folder;
    const std::string envPath = folder.File("env");
    std::string last = LargeEnv();
    testing::WriteBytes(envPath, last);
    testing::WriteBytes(folder.File("env.bak"), "an older run\r\n");
    unsigned seed = 12345;
    for (int run = 0; run < 10; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        seed = seed * 1103515245u + 12345u;
        // Steps 1 to 15; beyond a save's steps it finishes.
        const int killAt = 1 + static_cast<int>((seed >> 16) % 15);
        RunJobInProcessOfItsOwn("save", killAt, envPath);
        RecoverLeftoversAtStartup(envPath);
        const std::string env = testing::ReadBytes(envPath);
        const std::string backup = testing::ReadBytes(folder.File("env.bak"));
        ASSERT_TRUE(env == last || env == NewTextFor(last));
        if (env != last) EXPECT_EQ(backup, last);
        EXPECT_EQ(folder.Names(), (Names{"env", "env.bak"}));
        last = env;
    }
}

}  // namespace
}  // namespace keyloom
