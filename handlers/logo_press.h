// The logo picture 图片框1 opens the web site behind it.
#pragma once

namespace keyloom {

// Left button pressed on 图片框1.
void OnLogoPressed();

}  // namespace keyloom
