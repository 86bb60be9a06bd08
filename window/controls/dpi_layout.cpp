#include "window/controls/dpi_layout.h"

#include <commctrl.h>

#include "platform/dpi.h"
#include "window/controls/app_cursor.h"
#include "window/controls/control_cursor.h"
#include "window/controls/event_bindings.h"
#include "window/controls/window_registry.h"

namespace keyloom {

namespace {

unsigned gDpi = 0;  // 0 while there is no window
WindowFonts gFonts;

// A control's left edge in its parent's client area.
int LeftInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect.left;
}

void PlaceControl(HWND control, const ControlSpec& spec, unsigned fromDpi, unsigned toDpi) {
    RECT rect = ScaledControlRect(spec, toDpi);
    // The link slides: its left edge is its place in the slide, not the
    // table's.
    if (spec.kind == ControlKind::Hyperlink) {
        const int left = RescaledForDpi(LeftInParent(control), fromDpi, toDpi);
        OffsetRect(&rect, left - rect.left, 0);
    }
    SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Column widths as the user may have dragged them, at the new DPI.
void RescaleColumns(HWND list, unsigned fromDpi, unsigned toDpi) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int count = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int column = 0; column < count; ++column) {
        const int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
        SendMessageA(list, LVM_SETCOLUMNWIDTH, column,
                     MAKELPARAM(RescaledForDpi(width, fromDpi, toDpi), 0));
    }
}

}  // namespace

unsigned MainWindowDpi() {
    return gDpi ? gDpi : SystemDpi();
}

int ScaledToWindow(int value) {
    return ScaledForDpi(value, MainWindowDpi());
}

RECT ScaledControlRect(const ControlSpec& spec, unsigned dpi) {
    const int left = ScaledForDpi(spec.left, dpi), top = ScaledForDpi(spec.top, dpi);
    return {left, top, left + ScaledForDpi(spec.width, dpi), top + ScaledForDpi(spec.height, dpi)};
}

const WindowFonts& MainWindowFonts() {
    return gFonts;
}

void BeginMainWindowLayout(HWND window) {
    DeleteWindowFonts(gFonts);
    gDpi = WindowDpi(window);
    gFonts = MakeWindowFonts(gDpi);
}

void OnMainWindowDpiChanged(HWND window, unsigned dpi, const RECT& suggested) {
    const unsigned oldDpi = MainWindowDpi();
    if (dpi == 0) return;
    RECT outer;
    GetWindowRect(window, &outer);
    gDpi = dpi;
    WindowFonts oldFonts = gFonts;
    gFonts = MakeWindowFonts(dpi);
    const HCURSOR oldCursor = AppCursorForDpi(oldDpi), cursor = AppCursorForDpi(dpi);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        HWND control = ControlWindowAt(static_cast<int>(i));
        if (!control) continue;
        const ControlSpec& spec = kControls[i];
        PlaceControl(control, spec, oldDpi, dpi);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont(gFonts, spec)),
                     TRUE);
        if (ControlCursor(control) == oldCursor) SetControlCursor(control, cursor);
        if (spec.kind == ControlKind::ListView) RescaleColumns(control, oldDpi, dpi);
        // The picture shows the pointer of its class.
        if (spec.kind == ControlKind::Picture) {
            SetClassLongPtrA(control, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
        }
    }
    SetClassLongPtrA(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
    // The suggested place; the size that the window's state has at 96 DPI
    // (266 or 474 wide), scaled once.
    SetWindowPos(window, nullptr, suggested.left, suggested.top,
                 RescaledForDpi(outer.right - outer.left, oldDpi, dpi),
                 RescaledForDpi(outer.bottom - outer.top, oldDpi, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    DeleteWindowFonts(oldFonts);
    InvalidateRect(window, nullptr, TRUE);
}

void EndMainWindowLayout() {
    DeleteWindowFonts(gFonts);
    gDpi = 0;
}

}  // namespace keyloom
