// The env file layer on the real file system: reading whole files, and the
// save's write, which either replaces the file with all of the new bytes or
// leaves it byte for byte as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/env_file.h"
#include "core/env_file_os.h"
#include "core/env_layout.h"
#include "core/env_text.h"
#include "tests/core/scratch_folder.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
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

TEST(ReadWholeFile, StopsAtTheFirstZeroByteAndHoldsOnlyWhatItUses) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), "a\0b\r\n\xB0\xFF"sv);
    EXPECT_EQ(ReadWholeFile(folder.File("env")), "a");
    // Larger than one piece of the read, and cut in a later one.
    const std::string large = std::string(3 << 20, 'x') + "end";
    testing::WriteBytes(folder.File("large"), large + "\0tail"s);
    const std::string text = ReadWholeFile(folder.File("large"));
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
// no crash.
TEST(ReadEnvText, ATextLargerThanTheProcessCanHoldIsAFailedRead) {
    if (!testing::CanLimitMemory()) GTEST_SKIP() << "no memory limit for a process here";
    static ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), std::string(96 << 20, 'x'));
    testing::RunWithMemoryLimit(48 << 20, [] {
        std::string text;
        EXPECT_EQ(ReadEnvText(folder.File("env"), &text), TextRead::kFailed);
        EXPECT_EQ(text.size(), 0u);
    });
}

TEST(ReadWholeFile, NothingForEmptyPathMissingFileOrFolder) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("sub"));
    testing::WriteBytes(folder.File("empty"), "");
    EXPECT_EQ(ReadWholeFile(""), "");
    EXPECT_EQ(ReadWholeFile(folder.File("missing")), "");
    EXPECT_EQ(ReadWholeFile(folder.File("missing/env")), "");
    EXPECT_EQ(ReadWholeFile(folder.File("sub")), "");
    EXPECT_EQ(ReadWholeFile(folder.File("empty")), "");
}

TEST(ReadWholeFile, PathBytesAreNotConverted) {
    // 工程 in code page 936: the folder name goes to the system as bytes.
    ScratchFolder folder("\xB9\xA4\xB3\xCC");
    // Under Wine this needs a UTF-8 host locale, which the install step makes.
    ASSERT_TRUE(folder.Exists());
    ASSERT_TRUE(WriteEnvFile(folder.File("env"), kNewText));
    EXPECT_EQ(ReadWholeFile(folder.File("env")), kNewText);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

TEST(BytesToText, StopsAtTheFirstZeroByte) {
    EXPECT_EQ(BytesToText("ab\0cd\0"sv), "ab");
    EXPECT_EQ(BytesToText("\0ab"sv), "");
    EXPECT_EQ(BytesToText("ab\xB0"), "ab\xB0");
    EXPECT_EQ(BytesToText(""), "");
}

TEST(WriteEnvFile, CreatesAMissingFile) {
    ScratchFolder folder;
    ASSERT_TRUE(WriteEnvFile(folder.File("env"), kNewText));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kNewText);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

TEST(WriteEnvFile, WritesEmptyAndLargeTextsWhole) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kNewText);
    ASSERT_TRUE(WriteEnvFile(folder.File("env"), ""));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), "");
    const std::string large(5 << 20, 'z');
    ASSERT_TRUE(WriteEnvFile(folder.File("env"), large));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), large);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

// A failed write leaves the env file and the folder exactly as they were.
void ExpectFailureLeavesEverything(const ScratchFolder& folder, const std::string& envBytes,
                                   const Names& names) {
    EXPECT_FALSE(WriteEnvFile(folder.File("env"), kNewText));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), envBytes);
    EXPECT_EQ(folder.Names(), names);
}

TEST(WriteEnvFileFailure, EmptyPathAndMissingFolder) {
    ScratchFolder folder;
    EXPECT_FALSE(WriteEnvFile("", kNewText));
    EXPECT_FALSE(WriteEnvFile(folder.File("missing/env"), kNewText));
    EXPECT_EQ(folder.Names(), Names{});
}

TEST(WriteEnvFileFailure, ReadOnlyFileIsRefusedEvenWhereItCouldBeWritten) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    testing::SetReadOnly(folder.File("env"), true);
    ExpectFailureLeavesEverything(folder, kUserEnv, Names{"env"});
    testing::SetReadOnly(folder.File("env"), false);
}

TEST(WriteEnvFileFailure, FolderInTheFilesPlace) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("env"));
    EXPECT_FALSE(WriteEnvFile(folder.File("env"), kNewText));
    EXPECT_EQ(folder.Names(), Names{"env"});
}

#ifdef _WIN32
TEST(WriteEnvFileFailure, FileHeldOpenForWritingByAnotherProgram) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    for (const DWORD access : {DWORD{GENERIC_WRITE}, DWORD{GENERIC_READ | GENERIC_WRITE}}) {
        testing::HeldFile held(folder.File("env"), access, FILE_SHARE_READ);
        ASSERT_TRUE(held.IsOpen());
        ExpectFailureLeavesEverything(folder, kUserEnv, Names{"env"});
    }
}

TEST(WriteEnvFileFailure, FileHeldOpenWithoutWriteSharing) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kNewText);
    for (const DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
        testing::HeldFile held(folder.File("env"), GENERIC_READ, share);
        ASSERT_TRUE(held.IsOpen());
        EXPECT_FALSE(WriteEnvFile(folder.File("env"), ComposeEnvText({})));
        EXPECT_EQ(folder.Names(), Names{"env"});
    }
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kNewText);
}

TEST(ReadWholeFile, ReadsWhileAnotherProgramWritesOrRenamesTheFile) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    testing::HeldFile held(folder.File("env"), GENERIC_READ | GENERIC_WRITE | DELETE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    ASSERT_TRUE(held.IsOpen());
    EXPECT_EQ(ReadWholeFile(folder.File("env")), kUserEnv);
}

TEST(ReadWholeFile, ReadsWhileAnotherReaderHoldsTheFile) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    testing::HeldFile held(folder.File("env"), GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(held.IsOpen());
    EXPECT_EQ(ReadWholeFile(folder.File("env")), kUserEnv);
}
#endif

// Keyloom's own read never keeps its save from replacing the file: the
// save runs while the read holds the file open.
TEST(WriteEnvFile, ReplacesTheFileWhileKeyloomsOwnReadHoldsIt) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    bool saved = false;
    const auto read = fileos::ReadFileChunks(folder.File("env"), [&](std::string_view) {
        saved = WriteEnvFile(folder.File("env"), kNewText);
        return false;
    });
    EXPECT_EQ(read, fileos::ReadResult::kRead);
    EXPECT_TRUE(saved);
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kNewText);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

// env a symbolic link to the one env a user keeps for several set-ups: the
// save replaces that file, its temporary beside it, and the link stays.
TEST(WriteEnvFile, ReplacesTheTargetOfASymbolicLinkAndKeepsTheLink) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("shared"));
    testing::WriteBytes(folder.File("shared/env"), kUserEnv);
    ASSERT_TRUE(folder.RunOnHost("ln -s shared/env env && ln -s env hop"));
    ASSERT_TRUE(WriteEnvFile(folder.File("hop"), kNewText));
    EXPECT_TRUE(folder.RunOnHost("test -L env && test -L hop"));
    EXPECT_EQ(testing::ReadBytes(folder.File("shared/env")), kNewText);
    EXPECT_EQ(folder.Names(), (Names{"env", "hop", "shared"}));
    EXPECT_TRUE(folder.RunOnHost("test $(ls shared) = env"));
}

TEST(WriteEnvFile, KeepsThePermissionBits) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    for (const char* mode : {"664", "600", "640"}) {
        ASSERT_TRUE(folder.RunOnHost(std::string("chmod ") + mode + " env"));
        ASSERT_TRUE(WriteEnvFile(folder.File("env"), kNewText));
        EXPECT_EQ(folder.HostMode("env"), mode);
    }
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kNewText);
}

// Replacing one name of a file with hard links would part it from the
// others, which would keep the old text: refused, everything as it was.
TEST(WriteEnvFileFailure, AFileWithSeveralNames) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    ASSERT_TRUE(folder.RunOnHost("ln env other && ln -s other link"));
    EXPECT_TRUE(HasSeveralNames(folder.File("env")));
    EXPECT_TRUE(HasSeveralNames(folder.File("link")));
    for (const char* name : {"env", "link"})
        EXPECT_FALSE(WriteEnvFile(folder.File(name), kNewText));
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kUserEnv);
    EXPECT_EQ(folder.Names(), (Names{"env", "link", "other"}));
    ASSERT_TRUE(folder.RunOnHost("rm other"));
    EXPECT_FALSE(HasSeveralNames(folder.File("env")));
}

TEST(WriteEnvFile, SavedEntriesReadBack) {
    ScratchFolder folder;
    const std::vector<HotkeyEntry> entries = {{"F2", "\xD6\xD0 \x81\x5C"}, {"F3", ""}, {"~R", "x"}};
    ASSERT_TRUE(WriteEnvFile(folder.File("env"), ComposeEnvText(entries)));
    EXPECT_EQ(ParseEnvText(BytesToText(ReadWholeFile(folder.File("env")))), entries);
}

}  // namespace
}  // namespace keyloom
