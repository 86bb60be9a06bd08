// Edit boxes and list views: their sunken border in the skin's colours. The
// system draws the non-client area first (scroll bars included); the skin
// then paints only the border's own pixels.
#include "skin_draw.h"
#include "skin_state.h"
#include "skin_window.h"

namespace {

void PaintBorder(HWND hwnd, HDC dc, SkinKind kind) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    RECT screen;
    if (!GetWindowRect(hwnd, &screen)) return;
    RECT rc = {0, 0, screen.right - screen.left, screen.bottom - screen.top};
    const COLORREF outer =
        SkinRgb(kind == SkinKind::List ? SkinRole::ListBorder : SkinRole::EditBorder);
    if (exStyle & WS_EX_CLIENTEDGE) {
        // The client edge is two pixels wide: the skin's border, then a
        // lighter inner line.
        FrameRound(dc, rc, 0, outer);
        InflateRect(&rc, -1, -1);
        FrameRound(dc, rc, 0, SkinRgb(SkinRole::EditInner));
    } else if (style & WS_BORDER) {
        FrameRound(dc, rc, 0, outer);
    }
}

}  // namespace

LRESULT OnBorderMessage(HWND hwnd, SkinWindow* w, UINT msg, WPARAM wp, LPARAM lp) {
    const SkinKind kind = w->kind;
    switch (msg) {
        case WM_NCPAINT: {
            const LRESULT r = CallOriginal(hwnd, msg, wp, lp);
            if (IsWindow(hwnd) && FindSkinWindow(hwnd) != nullptr) {
                if (HDC dc = GetWindowDC(hwnd)) {
                    PaintBorder(hwnd, dc, kind);
                    ReleaseDC(hwnd, dc);
                }
            }
            return r;
        }
        case WM_PRINT: {
            const LRESULT r = CallOriginal(hwnd, msg, wp, lp);
            if ((lp & PRF_NONCLIENT) && wp != 0 && FindSkinWindow(hwnd) != nullptr) {
                PaintBorder(hwnd, reinterpret_cast<HDC>(wp), kind);
            }
            return r;
        }
    }
    return CallOriginal(hwnd, msg, wp, lp);
}
