#pragma once
// The library's one attached skin and the GDI objects made from it. The
// library serves the one thread that attached the skin.
#include <windows.h>

#include "skin_format.h"

struct AttachedSkin {
    bool attached = false;
    SkinDef look;  // colours after the attach parameters
    HBRUSH windowBrush = nullptr;
    HFONT captionFont = nullptr;
    DWORD threadId = 0;
    HHOOK hook = nullptr;
    bool aero = false;
};

extern AttachedSkin gSkin;

COLORREF SkinRgb(SkinRole role);
COLORREF ToColorRef(Rgb c);

// Makes `look` the attached skin: builds its brush and caption font and
// frees the previous ones. Returns false, changing nothing, when GDI fails.
bool InstallLook(const SkinDef& look);
