// The advertisement link slides one pixel per tick between the left edge 0
// and 65 (at 96 DPI; the turning points scale with the window), where its
// right edge stops short of the logo picture. 时钟1 moves it right and 时钟2
// left; at each end the one hands over to the other.
#include "handlers/slide_link.h"

#include "window/controls/control_names.h"
#include "window/controls/dpi_layout.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

constexpr ControlId kLinkName = kLinkControl;
constexpr ControlId kRightTimer = kSlideRightTimer;
constexpr ControlId kLeftTimer = kSlideLeftTimer;
constexpr int kRightTurn = 65;
constexpr int kLeftTurn = 0;

}  // namespace

void OnSlideRightTick() {
    SetControlLeft(kLinkName, ControlLeft(kLinkName) + 1);
    if (ControlLeft(kLinkName) >= ScaledToWindow(kRightTurn)) {
        SetTimerInterval(kLeftTimer, kSlideTickMilliseconds);
        SetTimerInterval(kRightTimer, 0);
    }
}

void OnSlideLeftTick() {
    SetControlLeft(kLinkName, ControlLeft(kLinkName) - 1);
    if (ControlLeft(kLinkName) == ScaledToWindow(kLeftTurn)) {
        SetTimerInterval(kLeftTimer, 0);
        SetTimerInterval(kRightTimer, kSlideTickMilliseconds);
    }
}

}  // namespace keyloom
