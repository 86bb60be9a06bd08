// The real main window, started as the program starts it, for the tests of
// the sliding link, the logo and the link inside it.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string_view>

namespace keyloom::test {

class LiveWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND window() const { return window_; }

    // Delivers one tick of the named timer the way Windows does: a WM_TIMER
    // with the timer's id to the main window.
    void SendTick(std::string_view timerName) const;
    // The timer whose tick is due next: the running one. Fails the test
    // unless exactly one runs.
    static std::string_view RunningTimer();

private:
    HWND window_ = nullptr;
};

inline constexpr const char* kLink = "超级链接框1";
inline constexpr const char* kRightTimer = "时钟1";
inline constexpr const char* kLeftTimer = "时钟2";

}  // namespace keyloom::test
