#include "skin_dpi.h"

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

struct DpiFunctions {
    GetDpiForWindowFn dpiForWindow = nullptr;
    GetSystemMetricsForDpiFn metricsForDpi = nullptr;
    SystemParametersInfoForDpiFn parametersForDpi = nullptr;
};

template <typename Function>
Function Find(HMODULE module, const char* name) {
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

const DpiFunctions& Functions() {
    static const DpiFunctions functions = [] {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        DpiFunctions found;
        found.dpiForWindow = Find<GetDpiForWindowFn>(user32, "GetDpiForWindow");
        found.metricsForDpi = Find<GetSystemMetricsForDpiFn>(user32, "GetSystemMetricsForDpi");
        found.parametersForDpi =
            Find<SystemParametersInfoForDpiFn>(user32, "SystemParametersInfoForDpi");
        return found;
    }();
    return functions;
}

}  // namespace

UINT SkinDpiOf(HWND hwnd) {
    if (Functions().dpiForWindow) {
        if (const UINT dpi = Functions().dpiForWindow(hwnd)) return dpi;
    }
    HDC dc = GetDC(hwnd);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc) ReleaseDC(hwnd, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

int SkinScaled(int value, UINT dpi) {
    return MulDiv(value, static_cast<int>(dpi), 96);
}

int SkinMetric(int index, UINT dpi) {
    if (Functions().metricsForDpi) return Functions().metricsForDpi(index, dpi);
    return GetSystemMetrics(index);
}

bool SkinNonClientMetrics(NONCLIENTMETRICSW& metrics, UINT dpi) {
    metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (Functions().parametersForDpi) {
        return Functions().parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                            dpi) != FALSE;
    }
    return SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) != FALSE;
}
