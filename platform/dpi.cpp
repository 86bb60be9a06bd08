#include "platform/dpi.h"

namespace keyloom {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction GetDpiForWindowIfPresent() {
    static const GetDpiForWindowFunction function = [] {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        return user32 ? reinterpret_cast<GetDpiForWindowFunction>(
                            reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    return function;
}

unsigned DcDpi(HWND window) {
    HDC dc = GetDC(window);
    if (!dc) return kDefaultDpi;
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi > 0 ? static_cast<unsigned>(dpi) : kDefaultDpi;
}

}  // namespace

unsigned WindowDpi(HWND window) {
    if (GetDpiForWindowFunction function = GetDpiForWindowIfPresent()) {
        if (const UINT dpi = function(window)) return dpi;
    }
    return DcDpi(window);
}

unsigned SystemDpi() {
    return DcDpi(nullptr);
}

int ScaledForDpi(int value, unsigned dpi) {
    return MulDiv(value, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
}

int RescaledForDpi(int pixels, unsigned fromDpi, unsigned toDpi) {
    if (fromDpi == 0 || fromDpi == toDpi) return pixels;
    const int value = MulDiv(pixels, static_cast<int>(kDefaultDpi), static_cast<int>(fromDpi));
    return ScaledForDpi(value, toDpi);
}

}  // namespace keyloom
