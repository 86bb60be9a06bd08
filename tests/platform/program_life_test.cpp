// The fatal error text, the exit routine slot and ReleaseGlobals.
#include <gtest/gtest.h>

#include "app/program_start.h"
#include "platform/exit_routine.h"
#include "platform/fatal_error.h"
#include "platform/globals.h"
#include "platform/skin_module.h"

namespace keyloom::test {
namespace {

TEST(FatalErrorTextTest, CodeZeroHasNoCodeLine) {
    // 运行时出错!  错误信息：载入启动窗口失败
    EXPECT_EQ(FatalErrorText("载入启动窗口失败", 0),
              "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!\r\n\r\n"
              "\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba"
              "\xd4\xd8\xc8\xeb\xc6\xf4\xb6\xaf\xb4\xb0\xbf\xda\xca\xa7\xb0\xdc\r\n");
}

TEST(FatalErrorTextTest, NonZeroCodeComesFirstWithABlankLine) {
    EXPECT_EQ(FatalErrorText("数据或数组类型不匹配", 5), std::string("运行时出错!\r\n\r\n") +
                                                             "错误代码：5\r\n\r\n" +
                                                             "错误信息：数据或数组类型不匹配\r\n");
    EXPECT_EQ(FatalErrorText("x", -7),
              std::string("运行时出错!\r\n\r\n错误代码：-7\r\n\r\n错误信息：x\r\n"));
}

TEST(FatalErrorTextTest, EmptyMessageHasNoMessageLine) {
    EXPECT_EQ(FatalErrorText("", 0), std::string("运行时出错!\r\n\r\n"));
    EXPECT_EQ(FatalErrorText(nullptr, 3), std::string("运行时出错!\r\n\r\n错误代码：3\r\n\r\n"));
}

TEST(FatalErrorTextTest, SmallBufferIsCutAndTerminated) {
    char text[8];
    std::size_t length = FormatFatalErrorText(text, sizeof text, "long message", 12345);
    EXPECT_LT(length, sizeof text);
    EXPECT_EQ(text[length], '\0');
}

TEST(FatalErrorTextTest, AllocationFailureNamesTheSize) {
    char text[128];
    FormatAllocationFailure(text, sizeof text, 1048576);
    EXPECT_STREQ(text, "分配 1048576 字节内存失败!");
}

int gRuns = 0;
void CountRun() {
    ++gRuns;
}

TEST(ExitRoutineTest, RunsOnceAndClearsItself) {
    gRuns = 0;
    SetExitRoutine(CountRun);
    RunExitRoutine();
    RunExitRoutine();
    EXPECT_EQ(gRuns, 1);
}

TEST(ExitRoutineTest, ClearedRoutineNeverRuns) {
    gRuns = 0;
    SetExitRoutine(CountRun);
    ClearExitRoutine();
    RunExitRoutine();
    EXPECT_EQ(gRuns, 0);
}

TEST(ReleaseGlobalsTest, ReleasesTheSkinObject) {
    SkinModule* saved = SkinModuleInstance;
    SkinModuleInstance = new SkinModule(SkinModule::NoInstall{});
    ReleaseGlobals();
    EXPECT_EQ(SkinModuleInstance, nullptr);
    SkinModuleInstance = saved;
}

}  // namespace
}  // namespace keyloom::test
