// Setting a timer's interval: a negative value counts as 0, the current
// value changes nothing, any other value stops the timer and starts it again
// when above 0.
#include <gtest/gtest.h>

#include "tests/handlers/link_window_fixture.h"
#include "tests/harness/harness.h"
#include "window/controls/control_table.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

// Works on 时钟2 (its ticks move the link left) with both timers stopped.
class TimerIntervalTest : public LiveWindowTest {
protected:
    void SetUp() override {
        LiveWindowTest::SetUp();
        SetTimerInterval(kRightTimer, 0);
        SetTimerInterval(kLeftTimer, 0);
        PumpMessages();
        SetControlLeft(kLink, 40);
    }

    // True when a tick of 时钟2 waits in the queue; it stays there. Other
    // timer messages are taken out of the way.
    bool LeftTickWaiting() const {
        const WPARAM leftTimerId = static_cast<WPARAM>(IdOfName(kLeftTimer));
        MSG message;
        while (PeekMessageA(&message, window(), WM_TIMER, WM_TIMER, PM_NOREMOVE)) {
            if (message.wParam == leftTimerId) return true;
            PeekMessageA(&message, window(), WM_TIMER, WM_TIMER, PM_REMOVE);
        }
        return false;
    }

    // Handles messages until the link has moved or ten seconds have passed.
    static bool LinkMoves() {
        const int left = ControlLeft(kLink);
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
            PumpMessagesFor(5);
            if (ControlLeft(kLink) != left) return true;
        }
        return false;
    }
};

TEST_F(TimerIntervalTest, ZeroStopsBothTimers) {
    EXPECT_EQ(TimerInterval(kRightTimer), 0);
    EXPECT_EQ(TimerInterval(kLeftTimer), 0);
    PumpMessagesFor(300);
    EXPECT_EQ(ControlLeft(kLink), 40);
    EXPECT_FALSE(LeftTickWaiting());
}

TEST_F(TimerIntervalTest, PositiveValueStartsTheTimer) {
    SetTimerInterval(kLeftTimer, 30);
    EXPECT_EQ(TimerInterval(kLeftTimer), 30);
    ASSERT_TRUE(LinkMoves());
    EXPECT_LT(ControlLeft(kLink), 40);
}

TEST_F(TimerIntervalTest, NegativeValueCountsAsZero) {
    SetTimerInterval(kLeftTimer, 30);
    SetTimerInterval(kLeftTimer, -5);
    EXPECT_EQ(TimerInterval(kLeftTimer), 0);
    PumpMessagesFor(300);
    EXPECT_EQ(ControlLeft(kLink), 40);
    SetTimerInterval(kLeftTimer, -1);
    EXPECT_EQ(TimerInterval(kLeftTimer), 0);
    EXPECT_FALSE(LeftTickWaiting());
}

TEST_F(TimerIntervalTest, SettingTheCurrentValueDoesNotRestartTheTimer) {
    SetTimerInterval(kLeftTimer, 1000);
    Sleep(600);
    SetTimerInterval(kLeftTimer, 1000);
    Sleep(700);
    // Due 1000 ms after the first setting; a restart would put it at 1600.
    EXPECT_TRUE(LeftTickWaiting());
}

TEST_F(TimerIntervalTest, NewValueRestartsWithTheNewPeriod) {
    SetTimerInterval(kLeftTimer, 1000);
    Sleep(600);
    SetTimerInterval(kLeftTimer, 1500);
    EXPECT_EQ(TimerInterval(kLeftTimer), 1500);
    Sleep(700);
    // Without the restart a tick would have been due 300 ms ago.
    EXPECT_FALSE(LeftTickWaiting());
    Sleep(1100);
    EXPECT_TRUE(LeftTickWaiting());
}

}  // namespace
}  // namespace keyloom::test
