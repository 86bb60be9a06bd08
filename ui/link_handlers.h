// The sliding advertisement link and the logo.
#pragma once

#include <string_view>

namespace keyloom {

void OnSlideRightTick();
void OnSlideLeftTick();

// Left button pressed on 图片框1: opens the web site of the logo.
void OnLogoPressed();

// Opens a web address through the shell; reports nothing.
void OpenWebAddress(std::string_view address);

}  // namespace keyloom
