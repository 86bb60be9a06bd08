// The env file layer on the real file system: reading whole files, and the
// save's write, which either replaces the file with all of the new bytes or
// leaves it byte for byte as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/env_file.h"
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

TEST(ReadWholeFile, ReadsEveryByte) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), "a\0b\r\n\xB0\xFF"sv);
    EXPECT_EQ(ReadWholeFile(folder.File("env")), "a\0b\r\n\xB0\xFF"sv);
    const std::string large = std::string(3 << 20, 'x') + "end";
    testing::WriteBytes(folder.File("large"), large);
    EXPECT_EQ(ReadWholeFile(folder.File("large")), large);
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

TEST(ReadWholeFile, ReadsWhileAnotherReaderHoldsTheFile) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kUserEnv);
    testing::HeldFile held(folder.File("env"), GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(held.IsOpen());
    EXPECT_EQ(ReadWholeFile(folder.File("env")), kUserEnv);
}
#endif

TEST(WriteEnvFile, SavedEntriesReadBack) {
    ScratchFolder folder;
    const std::vector<HotkeyEntry> entries = {{"F2", "\xD6\xD0 \x81\x5C"}, {"F3", ""}, {"~R", "x"}};
    ASSERT_TRUE(WriteEnvFile(folder.File("env"), ComposeEnvText(entries)));
    EXPECT_EQ(ParseEnvText(BytesToText(ReadWholeFile(folder.File("env")))), entries);
}

}  // namespace
}  // namespace keyloom
