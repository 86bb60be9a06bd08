#include "window/fonts.h"

namespace keyloom {

namespace {

HFONT gMemoFont = nullptr;
HFONT gLinkFont = nullptr;

HFONT MakeGb2312Font(int height) {
    // No face name: the system picks its default face for GB2312.
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "");
}

}  // namespace

HFONT MemoFont() {
    if (!gMemoFont) gMemoFont = MakeGb2312Font(-12);
    return gMemoFont;
}

HFONT LinkFont() {
    if (!gLinkFont) gLinkFont = MakeGb2312Font(-10);
    return gLinkFont;
}

HFONT DefaultGuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void ReleaseFonts() {
    if (gMemoFont) DeleteObject(gMemoFont);
    if (gLinkFont) DeleteObject(gLinkFont);
    gMemoFont = nullptr;
    gLinkFont = nullptr;
}

}  // namespace keyloom
