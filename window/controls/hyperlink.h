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

// Caption colours: under the pointer, after a successful open, otherwise.
inline constexpr COLORREF kHyperlinkHoverColour = RGB(51, 153, 255);
inline constexpr COLORREF kHyperlinkVisitedColour = RGB(128, 0, 0);
inline constexpr COLORREF kHyperlinkNormalColour = RGB(0, 0, 255);

// Registers the window class; the caption is the window text, the target
// is set with SetHyperlinkTarget, the font with WM_SETFONT (the caption is
// drawn with the font given). The background is the brush the parent
// answers to WM_CTLCOLORSTATIC, as for a label, else the button face. The class cursor is the arrow
// and the link leaves WM_SETCURSOR to DefWindowProc, so a pointer given by subclassing or by the
// class cursor is the one shown. Registering again is harmless.
bool RegisterHyperlinkClass(HINSTANCE instance);
void SetHyperlinkTarget(HWND link, std::string_view address);

// The colour the caption is drawn in now.
COLORREF HyperlinkCaptionColour(HWND link);

}  // namespace keyloom
