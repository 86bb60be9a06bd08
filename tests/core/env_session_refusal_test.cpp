// A save's refusals as the file layer decides them, once per save, and
// what the session makes of them: its reason, and neither env nor env.bak
// touched.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/env_session.h"
#include "tests/core/scratch_folder.h"

namespace keyloom {
namespace {

using testing::ScratchFolder;
using Names = std::vector<std::string>;
using Refusal = EnvSession::Outcome::Refusal;

const std::string kEnv = "source $TELENV\r\nalias F2 a\r\nalias F3 b\r\n";

// Opens the env, deletes the first row and saves.
EnvSession::Outcome DeleteFirstRow(const std::string& path) {
    EnvSession session;
    std::vector<HotkeyEntry> rows;
    std::vector<RowOrigin> origins;
    session.Open(path, &rows, &origins);
    if (!rows.empty()) {
        rows.erase(rows.begin());
        origins.erase(origins.begin());
    }
    return session.Save(rows, &origins);
}

TEST(EnvSessionRefusal, AReadOnlyEnvIsRefusedWithItsReasonBeforeEnvBak) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kEnv);
    testing::SetReadOnly(folder.File("env"), true);
    const EnvSession::Outcome outcome = DeleteFirstRow(folder.File("env"));
    testing::SetReadOnly(folder.File("env"), false);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.refusal, Refusal::ReadOnly);
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), kEnv);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

TEST(EnvSessionRefusal, AFolderWhereEnvShouldBeIsRefusedWithItsReason) {
    ScratchFolder folder;
    testing::MakeFolder(folder.File("env"));
    const EnvSession::Outcome outcome = DeleteFirstRow(folder.File("env"));
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.refusal, Refusal::Folder);
    EXPECT_EQ(folder.Names(), Names{"env"});
}

TEST(EnvSessionRefusal, AWritableEnvIsSavedWithoutARefusal) {
    ScratchFolder folder;
    testing::WriteBytes(folder.File("env"), kEnv);
    const EnvSession::Outcome outcome = DeleteFirstRow(folder.File("env"));
    EXPECT_TRUE(outcome.written);
    EXPECT_EQ(outcome.refusal, Refusal::None);
    EXPECT_EQ(testing::ReadBytes(folder.File("env")), "source $TELENV\r\nalias F3 b\r\n");
    EXPECT_EQ(testing::ReadBytes(folder.File("env.bak")), kEnv);
}

}  // namespace
}  // namespace keyloom
