// The file layer in folders whose names Windows gives only as wide text (in
// Korean, with an emoji) and in one whose path is 250 characters long, so
// that the names of the temporaries beside env pass 260: reading,
// replacing, env.bak, the start's recovery and the stamp all work there.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/env_file.h"
#include "core/startup_recovery.h"
#include "tests/core/scratch_folder.h"

namespace keyloom {
namespace {

using testing::ScratchFolder;
using Names = std::vector<std::string>;

const std::string kOldText = "source $TELENV\r\nalias F2 \xB7\xC5\xB4\xF3\r\n";
const std::string kNewText = "source $TELENV\r\nalias F3 \xCB\xF5\xD0\xA1\r\n";

struct FolderName {
    const char* label;
    const char* name;  // UTF-8; empty for the long one
};

// Characters, not bytes, of a UTF-8 text.
std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

class FolderOfAnyName : public ::testing::TestWithParam<FolderName> {
protected:
    void SetUp() override {
        ASSERT_TRUE(base_.Exists());
        std::string name = GetParam().name;
        if (name.empty()) name.assign(250 - CharacterCount(base_.File("")), 'd');
        folder_ = base_.File(name);
        testing::MakeFolder(folder_);
        if (GetParam().name[0] == '\0') ASSERT_EQ(CharacterCount(folder_), 250u);
    }
    std::string File(const std::string& name) const { return folder_ + "/" + name; }
    Names FolderNames() const { return testing::NamesIn(folder_); }

    ScratchFolder base_{"keyloom-names"};
    std::string folder_;
};

TEST_P(FolderOfAnyName, ReadsReplacesBacksUpAndStamps) {
    const std::string env = File("env");
    testing::WriteBytes(env, kOldText);
    EXPECT_EQ(ReadEnvText(env), kOldText);
    const FileStamp before = StampOf(env);
    EXPECT_TRUE(before.exists);
    EXPECT_EQ(before.size, kOldText.size());

    const SaveTarget target = ResolveSaveTarget(env);
    ASSERT_EQ(target.refusal, SaveRefusal::kNone);
    ASSERT_TRUE(WriteBackupFile(env, kOldText));
    ASSERT_TRUE(ReplaceEnvFile(target, kNewText));
    EXPECT_EQ(ReadEnvText(env), kNewText);
    EXPECT_EQ(testing::ReadBytes(File("env.bak")), kOldText);
    EXPECT_NE(StampOf(env), before);
    EXPECT_EQ(FolderNames(), (Names{"env", "env.bak"}));
}

TEST_P(FolderOfAnyName, RecoversLeftoversAndPutsEnvBakBack) {
    const std::string env = File("env");
    testing::WriteBytes(File("env." + std::to_string(testing::EndedProcessId()) + ".whole~"),
                        kNewText);
    testing::WriteBytes(File("env." + std::to_string(testing::EndedProcessId()) + ".part~"),
                        kNewText);
    testing::WriteBytes(File("env.bak"), kOldText);
    const StartupRecovery recovery = RecoverLeftoversAtStartup(env);
    EXPECT_TRUE(recovery.putTemporaryInPlace);
    EXPECT_FALSE(recovery.envMissingOrEmpty);
    EXPECT_TRUE(recovery.backupPresent);
    EXPECT_EQ(testing::ReadBytes(env), kNewText);
    EXPECT_EQ(FolderNames(), (Names{"env", "env.bak"}));

    testing::WriteBytes(env, "");
    EXPECT_TRUE(RecoverLeftoversAtStartup(env).envMissingOrEmpty);
    ASSERT_TRUE(RestoreBackup(env));
    EXPECT_EQ(testing::ReadBytes(env), kOldText);
    EXPECT_EQ(FolderNames(), (Names{"env", "env.bak"}));
}

INSTANTIATE_TEST_SUITE_P(
    Names, FolderOfAnyName,
    ::testing::Values(FolderName{"Korean", "\xED\x95\x9C\xEA\xB8\x80\xED\x8F\xB4\xEB\x8D\x94"},
                      FolderName{"Emoji",
                                 "emoji\xF0\x9F\x98\x80"
                                 "dir"},
                      FolderName{"Long", ""}),
    [](const ::testing::TestParamInfo<FolderName>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace keyloom
