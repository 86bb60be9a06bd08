#include "window/controls/fonts.h"

#include "platform/dpi.h"

namespace keyloom {

namespace {

HFONT MakeGb2312Font(int height) {
    // No face name: the system picks its default face for GB2312.
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "");
}

HFONT StockGuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The stock font is made for the system's DPI; a window on a screen of
// another DPI gets it scaled from there.
HFONT GuiFontAt(unsigned dpi) {
    const unsigned systemDpi = SystemDpi();
    LOGFONTA font = {};
    if (dpi == systemDpi || !GetObjectA(StockGuiFont(), sizeof font, &font)) return StockGuiFont();
    font.lfHeight = RescaledForDpi(font.lfHeight, systemDpi, dpi);
    HFONT scaled = CreateFontIndirectA(&font);
    return scaled ? scaled : StockGuiFont();
}

void DeleteUnlessStock(HFONT font) {
    if (font && font != StockGuiFont()) DeleteObject(font);
}

}  // namespace

WindowFonts MakeWindowFonts(unsigned dpi) {
    WindowFonts fonts;
    fonts.gui = GuiFontAt(dpi);
    fonts.memo = MakeGb2312Font(ScaledForDpi(-12, dpi));
    fonts.link = MakeGb2312Font(ScaledForDpi(-10, dpi));
    return fonts;
}

void DeleteWindowFonts(WindowFonts& fonts) {
    DeleteUnlessStock(fonts.gui);
    DeleteUnlessStock(fonts.memo);
    DeleteUnlessStock(fonts.link);
    fonts = WindowFonts{};
}

HFONT ControlFont(const WindowFonts& fonts, const ControlSpec& spec) {
    if (spec.kind == ControlKind::Hyperlink) return fonts.link;
    if (IsMultiLineEdit(spec)) return fonts.memo;
    return fonts.gui;
}

}  // namespace keyloom
