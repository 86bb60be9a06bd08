// 图片框1: a picture control that shows LogoImage stretched to its client
// area and reports a left button press.
#pragma once

#include <windows.h>

#include <string_view>

namespace keyloom {

inline constexpr const char* kPictureClassName = "KeyloomPicture";

bool RegisterPictureClass(HINSTANCE instance, HCURSOR cursor);

// Draws the logo stretched over rect, on a button-face background when
// the logo cannot be decoded.
void DrawLogo(HDC dc, const RECT& rect);

}  // namespace keyloom
