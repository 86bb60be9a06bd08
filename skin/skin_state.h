#pragma once
// The library's one attached skin and the GDI objects made from it. The
// library serves the one thread that attached the skin.
#include <windows.h>

#include <vector>

#include "skin_format.h"

// The bold caption font made for one DPI.
struct CaptionFont {
    UINT dpi;
    HFONT font;
};

struct AttachedSkin {
    bool attached = false;
    SkinDef look;  // colours after the attach parameters
    HBRUSH windowBrush = nullptr;
    std::vector<CaptionFont> captionFonts;  // one per DPI drawn at, kept
    DWORD threadId = 0;
    HHOOK hook = nullptr;
    bool aero = false;
};

extern AttachedSkin gSkin;

COLORREF SkinRgb(SkinRole role);
COLORREF ToColorRef(Rgb c);

// Makes `look` the attached skin: builds its brush and frees the previous
// one. Returns false, changing nothing, when GDI fails.
bool InstallLook(const SkinDef& look);

// The system's caption font in bold, at dpi; null when it cannot be made
// (the DC's font is used then).
HFONT SkinCaptionFont(UINT dpi);
