#include "skin_state.h"

#include "skin_dpi.h"

AttachedSkin gSkin;

COLORREF ToColorRef(Rgb c) {
    return RGB(c.r, c.g, c.b);
}

COLORREF SkinRgb(SkinRole role) {
    return ToColorRef(gSkin.look.Colour(role));
}

bool InstallLook(const SkinDef& look) {
    HBRUSH brush = CreateSolidBrush(ToColorRef(look.Colour(SkinRole::Window)));
    if (brush == nullptr) return false;
    HBRUSH oldBrush = gSkin.windowBrush;
    gSkin.look = look;
    gSkin.windowBrush = brush;
    gSkin.attached = true;
    // Controls use the brush only while they paint and keep no copy of it.
    if (oldBrush) DeleteObject(oldBrush);
    return true;
}

HFONT SkinCaptionFont(UINT dpi) {
    for (const CaptionFont& made : gSkin.captionFonts) {
        if (made.dpi == dpi) return made.font;
    }
    // The system's caption font, as title bars show it at this DPI, bold.
    NONCLIENTMETRICSW metrics;
    HFONT font = nullptr;
    if (SkinNonClientMetrics(metrics, dpi)) {
        metrics.lfCaptionFont.lfWeight = FW_BOLD;
        font = CreateFontIndirectW(&metrics.lfCaptionFont);
    }
    gSkin.captionFonts.push_back({dpi, font});
    return font;
}
