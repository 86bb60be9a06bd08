// The sliding advertisement link: 时钟1 moves it right, 时钟2 left.
#pragma once

namespace keyloom {

void OnSlideRightTick();
void OnSlideLeftTick();

}  // namespace keyloom
