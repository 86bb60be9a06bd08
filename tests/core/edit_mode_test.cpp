// The mode test and the save guard.
#include <gtest/gtest.h>

#include <string>

#include "core/edit_mode.h"
#include "core/save_guard.h"

namespace keyloom {
namespace {

TEST(EditModeTest, OnlyTheModifyCaptionMeansModify) {
    // 确认修改, 确认添加 and 确认 in code page 936.
    EXPECT_TRUE(IsModifyMode("\xC8\xB7\xC8\xCF\xD0\xDE\xB8\xC4"));
    EXPECT_FALSE(IsModifyMode("\xC8\xB7\xC8\xCF\xCC\xED\xBC\xD3"));
    EXPECT_FALSE(IsModifyMode("\xC8\xB7\xC8\xCF"));
    EXPECT_FALSE(IsModifyMode(""));
}

TEST(EditModeTest, ComparisonIsByteForByte) {
    const std::string caption(kModifyConfirmCaption);
    EXPECT_FALSE(IsModifyMode(caption + " "));
    EXPECT_FALSE(IsModifyMode(" " + caption));
    std::string cut(kModifyConfirmCaption.substr(0, kModifyConfirmCaption.size() - 1));
    EXPECT_FALSE(IsModifyMode(cut));
    std::string withZero(kModifyConfirmCaption);
    withZero.push_back('\0');
    EXPECT_FALSE(IsModifyMode(withZero));
}

TEST(EditModeTest, CaptionsAreCodePage936Bytes) {
    // 确认修改 in code page 936.
    EXPECT_EQ(kModifyConfirmCaption, "\xC8\xB7\xC8\xCF\xD0\xDE\xB8\xC4");
    EXPECT_EQ(kAddConfirmCaption, "\xC8\xB7\xC8\xCF\xCC\xED\xBC\xD3");
}

TEST(SaveGuardTest, ASaveCannotBeEnteredTwice) {
    SaveGuard guard;
    EXPECT_FALSE(guard.IsRunning());
    ASSERT_TRUE(guard.Begin());
    EXPECT_TRUE(guard.IsRunning());
    EXPECT_FALSE(guard.Begin());
    EXPECT_TRUE(guard.IsRunning());
    EXPECT_FALSE(guard.End());
    EXPECT_FALSE(guard.IsRunning());
    EXPECT_TRUE(guard.Begin());
    guard.End();
}

TEST(SaveGuardTest, ACloseDuringASaveIsCarriedOutAtItsEnd) {
    SaveGuard guard;
    ASSERT_TRUE(guard.Begin());
    guard.RequestClose();
    guard.RequestClose();
    EXPECT_TRUE(guard.IsRunning());
    EXPECT_TRUE(guard.End());
    // The request is used up by the save it arrived in.
    ASSERT_TRUE(guard.Begin());
    EXPECT_FALSE(guard.End());
}

TEST(SaveGuardTest, ACloseOutsideASaveIsNotKept) {
    SaveGuard guard;
    guard.RequestClose();
    ASSERT_TRUE(guard.Begin());
    EXPECT_FALSE(guard.End());
}

}  // namespace
}  // namespace keyloom
