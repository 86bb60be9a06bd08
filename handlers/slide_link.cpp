// The advertisement link slides one pixel per tick between the left edge 0
// and 65 (at 96 DPI; the turning points scale with the window), where its
// right edge stops short of the logo picture. 时钟1 moves it right and 时钟2
// left; at each end the one hands over to the other.
#include "handlers/slide_link.h"

#include "window/controls/control_ids.h"
#include "window/controls/dpi_layout.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

constexpr int kRightTurn = 65;
constexpr int kLeftTurn = 0;

}  // namespace

void OnSlideRightTick() {
    SetControlLeft(kLinkControl, ControlLeft(kLinkControl) + 1);
    if (ControlLeft(kLinkControl) >= ScaledToWindow(kRightTurn)) {
        SetTimerInterval(kSlideLeftTimer, kSlideTickMilliseconds);
        SetTimerInterval(kSlideRightTimer, 0);
    }
}

void OnSlideLeftTick() {
    SetControlLeft(kLinkControl, ControlLeft(kLinkControl) - 1);
    if (ControlLeft(kLinkControl) == ScaledToWindow(kLeftTurn)) {
        SetTimerInterval(kSlideLeftTimer, 0);
        SetTimerInterval(kSlideRightTimer, kSlideTickMilliseconds);
    }
}

}  // namespace keyloom
