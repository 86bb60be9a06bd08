// The env file layer on the real file system: reading whole files, the
// save's target and its refusals, the replace, which either puts all of the
// new bytes in place or leaves the file byte for byte as it was, and the
// stamp by which a change is noticed.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "core/env_file.h"
#include "core/env_file_os.h"
#include "core/env_layout.h"
#include "core/env_text.h"
#include "tests/core/scratch_folder.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "core/wide_path.h"
#endif

namespace keyloom {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using testing::ScratchFolder;
using Names = std::vector<std::string>;

const std::string kNewText = ComposeEnvText({{"F2", "zoom fit"}, {"F3", "pan"}});
// A hand-made env: a comment, other settings and Allegro's own preferences.
const std::string kUserEnv =
    "source $TELENV\r\n# my keys\r\nalias F2 zoom fit\r\nset autosave 1\r\n\r\n"
    "### User Preferences section\r\nset pcb_cursor = cross\r\n";

TEST(ReadEnvTextAlone, StopsAtTheFirstZeroByteAndHoldsOnlyWhatItUses) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), "a\0b\r\n\xB0\xFF"sv);
    EXPECT_EQ(ReadEnvText(folder.File("env")), "a");
    // Larger than one piece of the read, and cut in a later one.
    const std::string large = std::string(3 << 20, 'x') + "end";
    testing::WriteBytes(folder.File("large"), large + "\0tail"s);
    const std::string text = ReadEnvText(folder.File("large"));
    EXPECT_TRUE(text == large) << text.size() << " bytes";
    EXPECT_EQ(text.capacity(), text.size());
}

TEST(ReadEnvText, TellsAWholeFileFromOneCutAtAZeroByte) {
    ScratchFolder folder;
    std::string text = "left over";
    testing::WriteBytes(folder.File("env"), kUserEnv);
    EXPECT_EQ(ReadEnvText(folder.File("env"), &text), TextRead::kWhole);
    EXPECT_EQ(text, kUserEnv);
    testing::WriteBytes(folder.File("env"), kUserEnv + '\0');
    EXPECT_EQ(ReadEnvText(folder.File("env"), &text), TextRead::kCutAtZero);
    EXPECT_EQ(text, kUserEnv);
    EXPECT_EQ(ReadEnvText(folder.File("missing"), &text), TextRead::kMissing);
    EXPECT_EQ(text, "");
    testing::MakeFolder(folder.File("sub"));
    EXPECT_EQ(ReadEnvText(folder.File("sub"), &text), TextRead::kFailed);
}

// Nothing of a file past its first zero byte is read or held: a 2 GB file
// of zero bytes reads as empty in a process that could never hold it.
TEST(ReadEnvText, ASparseFileOfTwoGigabytesReadsAsEmpty) {
    static ScratchFolder folder;
    testing::MakeSparseFile(folder.File("env"), 2ull << 30);
    testing::RunWithMemoryLimit(64 << 20, [] {
        std::string text = "x";
        EXPECT_EQ(ReadEnvText(folder.File("env"), &text), TextRead::kCutAtZero);
        EXPECT_EQ(text, "");
    });
}

// A text larger than the process can hold is an unreadable file: no text,
// no crash. Only where a process's memory can be limited (not on Windows).
#ifndef _WIN32
TEST(ReadEnvText, ATextLargerThanTheProcessCanHoldIsAFailedRead) {
    static ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), std::string(96 << 20, 'x'));
    testing::RunWithMemoryLimit(48 << 20, [] {
        std::string text;
        EXPECT_EQ(ReadEnvText(folder.File("env"), &text), TextRead::kFailed);
        EXPECT_EQ(text.size(), 0u);
    });
}
#endif

TEST(ReadEnvTextAlone, NothingForEmptyPathMissingFileOrFolder) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("sub"));
    testing::WriteBytes(folder.File("empty"), "");
    EXPECT_EQ(ReadEnvText(""), "");
    EXPECT_EQ(ReadEnvText(folder.File("missing")), "");
    EXPECT_EQ(ReadEnvText(folder.File("missing/env")), "");
    EXPECT_EQ(ReadEnvText(folder.File("sub")), "");
    EXPECT_EQ(ReadEnvText(folder.File("empty")), "");
}

// A save as the session makes one: the target resolved once, then the
// replace when nothing refuses it.
bool Save(const std::string& path, std::string_view bytes) {
    const SaveTarget target = ResolveSaveTarget(path);
    return target.refusal == SaveRefusal::kNone && ReplaceEnvFile(target, bytes);
}

TEST(ReplaceEnvFile, CreatesAMissingFile) {
    ScratchFolder folder;
    ASSERT_TRUE(Save(folder.File("env"), kNewText));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kNewText);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

TEST(ReplaceEnvFile, WritesEmptyAndLargeTextsWhole) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kNewText);
    ASSERT_TRUE(Save(folder.File("env"), ""));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), "");
    const std::string large(5 << 20, 'z');
    ASSERT_TRUE(Save(folder.File("env"), large));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), large);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

// A failed write leaves the env file and the folder exactly as they were.
void ExpectFailureLeavesEverything(const ScratchFolder& folder, const std::string& envBytes,
                                   const Names& names) {
    EXPECT_FALSE(Save(folder.File("env"), kNewText));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), envBytes);
    EXPECT_EQ(folder.Names(), names);
}

TEST(ReplaceEnvFileFailure, EmptyPathAndMissingFolder) {
    ScratchFolder folder;
    EXPECT_FALSE(Save("", kNewText));
    EXPECT_FALSE(ReplaceEnvFile(SaveTarget{}, kNewText));
    EXPECT_FALSE(Save(folder.File("missing/env"), kNewText));
    EXPECT_EQ(folder.Names(), Names{});
}

TEST(ResolveSaveTarget, AnOrdinaryOrMissingFileIsReplacedAtItsName) {
    ScratchFolder folder;
    EXPECT_EQ(ResolveSaveTarget("").path, "");
    const SaveTarget missing = ResolveSaveTarget(folder.File("env"));
    EXPECT_EQ(missing.refusal, SaveRefusal::kNone);
    ASSERT_TRUE(ReplaceEnvFile(missing, kNewText));
    const SaveTarget present = ResolveSaveTarget(folder.File("env"));
    EXPECT_EQ(present.refusal, SaveRefusal::kNone);
    EXPECT_EQ(StampOf(present.path), StampOf(folder.File("env")));
    EXPECT_EQ(folder.Names(), Names{"env"});
}

TEST(ResolveSaveTarget, ReadOnlyFileIsRefusedEvenWhereItCouldBeWritten) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    testing::SetReadOnly(folder.File("env"), true);
    EXPECT_EQ(ResolveSaveTarget(folder.File("env")).refusal, SaveRefusal::kReadOnly);
    ExpectFailureLeavesEverything(folder, kUserEnv, Names{"env"});
    testing::SetReadOnly(folder.File("env"), false);
}

TEST(ResolveSaveTarget, AFolderInTheFilesPlaceIsRefused) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("env"));
    const SaveTarget target = ResolveSaveTarget(folder.File("env"));
    EXPECT_EQ(target.refusal, SaveRefusal::kFolder);
    EXPECT_FALSE(ReplaceEnvFile(target, kNewText));
    EXPECT_EQ(folder.Names(), Names{"env"});
}

// The replace takes the target as it was resolved: a refusal is never
// written over, whatever stands at the name by then.
TEST(ReplaceEnvFileFailure, ATargetWithARefusalIsNeverReplaced) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    for (const SaveRefusal refusal :
         {SaveRefusal::kReadOnly, SaveRefusal::kSeveralNames, SaveRefusal::kFolder}) {
        EXPECT_FALSE(ReplaceEnvFile(SaveTarget{folder.File("env"), refusal}, kNewText));
    }
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kUserEnv);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

#ifdef _WIN32
TEST(ReplaceEnvFileFailure, FileHeldOpenForWritingByAnotherProgram) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    for (const DWORD access : {DWORD{GENERIC_WRITE}, DWORD{GENERIC_READ | GENERIC_WRITE}}) {
        testing::HeldFile held(folder.File("env"), access, FILE_SHARE_READ);
        ASSERT_TRUE(held.IsOpen());
        ExpectFailureLeavesEverything(folder, kUserEnv, Names{"env"});
    }
}

TEST(ReplaceEnvFileFailure, FileHeldOpenWithoutWriteSharing) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kNewText);
    for (const DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
        testing::HeldFile held(folder.File("env"), GENERIC_READ, share);
        ASSERT_TRUE(held.IsOpen());
        EXPECT_FALSE(Save(folder.File("env"), ComposeEnvText({})));
        EXPECT_EQ(folder.Names(), Names{"env"});
    }
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kNewText);
}

TEST(ReadEnvTextAlone, ReadsWhileAnotherProgramWritesOrRenamesTheFile) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    testing::HeldFile held(folder.File("env"), GENERIC_READ | GENERIC_WRITE | DELETE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    ASSERT_TRUE(held.IsOpen());
    EXPECT_EQ(ReadEnvText(folder.File("env")), kUserEnv);
}

TEST(ReadEnvTextAlone, ReadsWhileAnotherReaderHoldsTheFile) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    testing::HeldFile held(folder.File("env"), GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(held.IsOpen());
    EXPECT_EQ(ReadEnvText(folder.File("env")), kUserEnv);
}
#endif

// Keyloom's own read never keeps its save from replacing the file for
// long: a save that comes while the content view reads the file (on
// another thread) replaces it once the read lets go.
TEST(ReplaceEnvFile, ReplacesTheFileOnceKeyloomsOwnReadLetsGo) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    std::atomic<bool> reading{false};
    std::thread reader([&] {
        fileos::ReadFileChunks(folder.File("env"), [&](std::string_view) {
            reading = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            return false;
        });
    });
    while (!reading) std::this_thread::yield();
    EXPECT_TRUE(Save(folder.File("env"), kNewText));
    reader.join();
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kNewText);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

// env a symbolic link to the one env a user keeps for several set-ups: the
// save replaces that file, its temporary beside it, and the link stays.
TEST(ReplaceEnvFile, ReplacesTheTargetOfASymbolicLinkAndKeepsTheLink) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("shared"));
    testing::WriteBytes(folder.File("shared/env"), kUserEnv);
    ASSERT_TRUE(folder.RunOnHost("ln -s shared/env env && ln -s env hop"));
    ASSERT_TRUE(Save(folder.File("hop"), kNewText));
    EXPECT_TRUE(folder.RunOnHost("test -L env && test -L hop"));
    EXPECT_EQ(testing::ReadBytes(folder.File("shared/env")), kNewText);
    EXPECT_EQ(folder.Names(), (Names{"env", "hop", "shared"}));
    EXPECT_TRUE(folder.RunOnHost("test $(ls shared) = env"));
}

#ifdef _WIN32
// Under Wine the permission bits are not passed on: no Win32 call sets
// them exactly, and a Windows program runs no host command. A replaced env
// has the bits any new file gets there (never those of an access list
// copied over, which would add execute and group write), and keeps its
// attributes.
TEST(ReplaceEnvFile, UnderWineKeepsTheAttributesAndGivesTheBitsOfANewFile) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("fresh"), "x");
    const std::string newFileMode = folder.HostMode("fresh");
    ASSERT_FALSE(newFileMode.empty());
    testing::WriteBytes(folder.File("env"), kUserEnv);
    for (const char* mode : {"600", "640", "664"}) {
        ASSERT_TRUE(folder.RunOnHost(std::string("chmod ") + mode + " env"));
        ASSERT_TRUE(Save(folder.File("env"), kNewText));
        EXPECT_EQ(folder.HostMode("env"), newFileMode) << mode;
    }
    const std::wstring env = WidePath(folder.File("env"));
    ASSERT_TRUE(SetFileAttributesW(env.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(Save(folder.File("env"), kUserEnv));
    EXPECT_NE(GetFileAttributesW(env.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kUserEnv);
    EXPECT_EQ(folder.Names(), (Names{"env", "fresh"}));
}
#else
TEST(ReplaceEnvFile, KeepsThePermissionBits) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    for (const char* mode : {"664", "600", "640"}) {
        ASSERT_TRUE(folder.RunOnHost(std::string("chmod ") + mode + " env"));
        ASSERT_TRUE(Save(folder.File("env"), kNewText));
        EXPECT_EQ(folder.HostMode("env"), mode);
    }
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kNewText);
}
#endif

// Replacing one name of a file with hard links would part it from the
// others, which would keep the old text: refused, everything as it was.
TEST(ResolveSaveTarget, AFileWithSeveralNamesIsRefused) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    ASSERT_TRUE(folder.RunOnHost("ln env other && ln -s other link"));
    for (const char* name : {"env", "link"}) {
        EXPECT_EQ(ResolveSaveTarget(folder.File(name)).refusal, SaveRefusal::kSeveralNames);
        EXPECT_FALSE(Save(folder.File(name), kNewText));
    }
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kUserEnv);
    EXPECT_EQ(folder.Names(), (Names{"env", "link", "other"}));
    ASSERT_TRUE(folder.RunOnHost("rm other"));
    EXPECT_EQ(ResolveSaveTarget(folder.File("env")).refusal, SaveRefusal::kNone);
}

TEST(ReplaceEnvFile, SavedEntriesReadBack) {
    ScratchFolder folder;
    const std::vector<HotkeyEntry> entries = {{"F2", "\xD6\xD0 \x81\x5C"}, {"F3", ""}, {"~R", "x"}};
    ASSERT_TRUE(Save(folder.File("env"), ComposeEnvText(entries)));
    EXPECT_EQ(ParseEnvText(ReadEnvText(folder.File("env"))), entries);
}

TEST(StampOf, TellsAFileThatIsThereFromOneThatIsNot) {
    ScratchFolder folder;
    EXPECT_EQ(StampOf(folder.File("env")), FileStamp{});
    EXPECT_EQ(StampOf(""), FileStamp{});
    testing::WriteBytes(folder.File("env"), kUserEnv);
    const FileStamp stamp = StampOf(folder.File("env"));
    EXPECT_TRUE(stamp.exists);
    EXPECT_EQ(stamp.size, kUserEnv.size());
    EXPECT_NE(stamp.writeTime, 0u);
    EXPECT_NE(stamp, FileStamp{});
}

TEST(StampOf, StaysWhileOnlyReadAndChangesWithAWriteOrAReplace) {
    ScratchFolder folder;
    const std::string env = folder.File("env");
    testing::WriteBytes(env, kUserEnv);
    const FileStamp first = StampOf(env);
    EXPECT_EQ(ReadEnvText(env), kUserEnv);
    EXPECT_EQ(StampOf(env), first);
    // Another writer, in place.
    testing::WriteBytes(env, kUserEnv + "set x 1\r\n");
    const FileStamp written = StampOf(env);
    EXPECT_NE(written, first);
    EXPECT_EQ(written.identity, first.identity);
    // A replace puts another file at the name, even of the same size.
    ASSERT_TRUE(Save(env, kUserEnv + "set x 2\r\n"));
    const FileStamp replaced = StampOf(env);
    EXPECT_NE(replaced.identity, written.identity);
    EXPECT_EQ(replaced.size, written.size);
    EXPECT_NE(replaced, written);
}

// Through a link the stamp is the file's it leads to.
TEST(StampOf, FollowsSymbolicLinks) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("target"), kUserEnv);
    ASSERT_TRUE(folder.RunOnHost("ln -s target env"));
    EXPECT_EQ(StampOf(folder.File("env")), StampOf(folder.File("target")));
}

}  // namespace
}  // namespace keyloom
