#include "skin_state.h"

AttachedSkin gSkin;

COLORREF ToColorRef(Rgb c) {
    return RGB(c.r, c.g, c.b);
}

COLORREF SkinRgb(SkinRole role) {
    return ToColorRef(gSkin.look.Colour(role));
}

namespace {

// The system's caption font in bold, as title bars show it.
HFONT CreateCaptionFont() {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        return nullptr;
    }
    metrics.lfCaptionFont.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&metrics.lfCaptionFont);
}

}  // namespace

bool InstallLook(const SkinDef& look) {
    HBRUSH brush = CreateSolidBrush(ToColorRef(look.Colour(SkinRole::Window)));
    if (brush == nullptr) return false;
    HFONT font = CreateCaptionFont();  // may be null: the DC's font is used then
    HBRUSH oldBrush = gSkin.windowBrush;
    HFONT oldFont = gSkin.captionFont;
    gSkin.look = look;
    gSkin.windowBrush = brush;
    gSkin.captionFont = font;
    gSkin.attached = true;
    // Controls use the brush only while they paint and keep no copy of it,
    // and the caption font is selected only while a caption is drawn.
    if (oldBrush) DeleteObject(oldBrush);
    if (oldFont) DeleteObject(oldFont);
    return true;
}
