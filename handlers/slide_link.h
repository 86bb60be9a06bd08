// The sliding advertisement link: 时钟1 moves it right, 时钟2 left.
#pragma once

namespace keyloom {

// One pixel per tick of this interval: 时钟1 is started with it, and each
// timer hands over to the other with it at the turning points.
inline constexpr int kSlideTickMilliseconds = 30;

void OnSlideRightTick();
void OnSlideLeftTick();

}  // namespace keyloom
