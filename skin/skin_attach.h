#pragma once
// Putting the skin on the calling thread's windows: those that exist now
// and, through a thread-local creation hook, those made later.
#include "skin_format.h"

// Makes `look` the skin of the calling thread's windows. False, touching no
// window, when GDI objects cannot be made or another thread attached first.
bool AttachSkin(const SkinDef& look);

// Translucency of the skinned top-level windows: on makes them layered at
// kAeroAlpha, off takes back what on did. The setting also holds for
// windows made later. False when no skin is attached (nothing to apply).
bool SetAero(bool on);

constexpr unsigned char kAeroAlpha = 230;

#include <windows.h>

// Readies a skinned top-level window (existing at attach, or just created):
// the system's themed frame off, the current aero setting on.
void PrepareTopLevel(HWND hwnd);
