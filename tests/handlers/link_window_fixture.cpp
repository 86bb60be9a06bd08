#include "tests/handlers/link_window_fixture.h"

#include "tests/harness/harness.h"
#include "window/controls/control_table.h"
#include "window/window_ops.h"

namespace keyloom::test {

void LiveWindowTest::SetUp() {
    window_ = StartMainWindowForTest("source $TELENV\r\nalias F2 zoom fit\r\n");
    ASSERT_NE(window_, nullptr);
}

void LiveWindowTest::TearDown() {
    CloseMainWindowForTest();
}

void LiveWindowTest::SendTick(std::string_view timerName) const {
    const int id = IdOfName(timerName);
    ASSERT_NE(id, 0) << timerName;
    SendMessageA(window_, WM_TIMER, static_cast<WPARAM>(id), 0);
}

std::string_view LiveWindowTest::RunningTimer() {
    const bool right = TimerInterval(kRightTimer) > 0;
    const bool left = TimerInterval(kLeftTimer) > 0;
    EXPECT_NE(right, left) << "时钟1 " << TimerInterval(kRightTimer) << ", 时钟2 "
                           << TimerInterval(kLeftTimer);
    return right ? kRightTimer : kLeftTimer;
}

}  // namespace keyloom::test
