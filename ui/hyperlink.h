// 超级链接框1: a link control of our own that draws its caption in the
// hover, visited or normal colour and opens its web address when pressed.
#pragma once

#include <windows.h>

#include <string_view>

namespace keyloom {

inline constexpr const char* kHyperlinkClassName = "KeyloomHyperlink";

// The advertisement the link shows and the address it opens.
extern const char* const kAdvertisementCaption;
extern const char* const kAdvertisementAddress;

// Registers the window class; the caption is the window text, the target
// is set with SetHyperlinkTarget.
bool RegisterHyperlinkClass(HINSTANCE instance);
void SetHyperlinkTarget(HWND link, std::string_view address);

}  // namespace keyloom
