// The advertisement link sliding to and fro under the two timers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "handlers/slide_link.h"
#include "tests/handlers/link_window_fixture.h"
#include "tests/harness/harness.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

using SlideTest = LiveWindowTest;

// Where start-up leaves the link: at 8 and moving right, unless a tick or
// two already came while the window was being prepared.
void ExpectStartState() {
    EXPECT_GE(ControlLeft(kLink), 8);
    EXPECT_LE(ControlLeft(kLink), 12);
    EXPECT_EQ(TimerInterval(kRightTimer), 30);
    EXPECT_EQ(TimerInterval(kLeftTimer), 0);
}

void ExpectLinkFixedExceptItsLeft() {
    HWND link = ControlWindow(kLink);
    RECT rect;
    GetWindowRect(link, &rect);
    MapWindowPoints(nullptr, GetParent(link), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.top, 272);
    EXPECT_EQ(rect.right - rect.left, 192);
    EXPECT_EQ(rect.bottom - rect.top, 24);
}

TEST_F(SlideTest, FromStartUpTheLinkReaches65After57TicksThenTurns) {
    ExpectStartState();
    SetControlLeft(kLink, 8);
    for (int tick = 1; tick <= 56; ++tick) {
        OnSlideRightTick();
        ASSERT_EQ(ControlLeft(kLink), 8 + tick);
        ASSERT_EQ(TimerInterval(kRightTimer), 30) << tick;
        ASSERT_EQ(TimerInterval(kLeftTimer), 0) << tick;
    }
    OnSlideRightTick();
    EXPECT_EQ(ControlLeft(kLink), 65);
    EXPECT_EQ(TimerInterval(kRightTimer), 0);
    EXPECT_EQ(TimerInterval(kLeftTimer), 30);
    OnSlideLeftTick();
    EXPECT_EQ(ControlLeft(kLink), 64);
    ExpectLinkFixedExceptItsLeft();
}

TEST_F(SlideTest, SweepsBetween0And65WithOneTimerRunning) {
    SetControlLeft(kLink, 8);
    std::vector<int> turns;  // left edges where the direction changed
    int previous = ControlLeft(kLink);
    int direction = +1;
    // To 65, then five full sweeps of 65 ticks, ending at 0.
    for (int tick = 0; tick < 57 + 5 * 65; ++tick) {
        SendTick(RunningTimer());
        int left = ControlLeft(kLink);
        ASSERT_GE(left, 0) << tick;
        ASSERT_LE(left, 65) << tick;
        ASSERT_EQ(std::abs(left - previous), 1) << tick;
        if ((left - previous) != direction) {
            turns.push_back(previous);
            direction = left - previous;
        }
        previous = left;
    }
    EXPECT_EQ(turns, (std::vector<int>{65, 0, 65, 0, 65}));
    EXPECT_EQ(ControlLeft(kLink), 0);
    EXPECT_EQ(TimerInterval(kRightTimer), 30);  // turned at 0 again
    EXPECT_EQ(TimerInterval(kLeftTimer), 0);
    ExpectLinkFixedExceptItsLeft();
}

TEST_F(SlideTest, RealTimersMoveTheLinkWithinItsRange) {
    // Start near the right end so the run sees a turn.
    SetControlLeft(kLink, 60);
    int lowest = 65;
    int highest = 0;
    bool turned = false;
    DWORD start = GetTickCount();
    while (!(turned && ControlLeft(kLink) <= 55) && GetTickCount() - start < 20000) {
        PumpMessagesFor(5);
        RunningTimer();
        int left = ControlLeft(kLink);
        lowest = std::min(lowest, left);
        highest = std::max(highest, left);
        turned = turned || TimerInterval(kLeftTimer) > 0;
    }
    EXPECT_TRUE(turned);
    EXPECT_LE(ControlLeft(kLink), 55);
    EXPECT_GE(lowest, 0);
    EXPECT_EQ(highest, 65);
}

}  // namespace
}  // namespace keyloom::test
