#pragma once
// The DPI each window is drawn at, and the system's metrics and caption
// font for it. The per-DPI functions are looked up at run time, since
// Windows before 10 (1607) lacks them; there, every window has the system's
// one DPI.
#include <windows.h>

// The window's DPI: GetDpiForWindow, else the screen's LOGPIXELSY.
UINT SkinDpiOf(HWND hwnd);

// A length the skin draws at 96 DPI, at dpi. Lines stay one pixel wide.
int SkinScaled(int value, UINT dpi);

// GetSystemMetricsForDpi, else GetSystemMetrics (which is for the system
// DPI, the only one there is then).
int SkinMetric(int index, UINT dpi);

// The non-client metrics (caption font and all) at dpi.
bool SkinNonClientMetrics(NONCLIENTMETRICSW& metrics, UINT dpi);
