// Top-level windows: client background, frame and title bar in the skin.
#include "skin_attach.h"
#include "skin_caption.h"
#include "skin_state.h"
#include "skin_window.h"

namespace {

// Undocumented messages with which themed Windows redraws title bar and
// frame outside WM_NCPAINT.
constexpr UINT kNcUahDrawCaption = 0x00AE;
constexpr UINT kNcUahDrawFrame = 0x00AF;

// The skin draws the whole non-client area itself, without the system's
// frame underneath, when there is nothing else there: no menu bar, no
// scroll bars, no client edge. Otherwise it draws over the system's frame.
bool OwnsNonClient(HWND hwnd) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    return GetMenu(hwnd) == nullptr && !(style & (WS_VSCROLL | WS_HSCROLL)) &&
           !(exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

void PaintNonClient(HWND hwnd, HDC dc) {
    const SkinWindow* w = FindSkinWindow(hwnd);
    CaptionLayout layout;
    if (w == nullptr || !GetCaptionLayout(hwnd, layout)) return;
    PaintCaption(hwnd, dc, layout, w->active, OwnsNonClient(hwnd));
}

void RepaintNonClient(HWND hwnd) {
    if (!IsWindow(hwnd) || !IsWindowVisible(hwnd) || FindSkinWindow(hwnd) == nullptr) return;
    if (HDC dc = GetWindowDC(hwnd)) {
        PaintNonClient(hwnd, dc);
        ReleaseDC(hwnd, dc);
    }
}

bool HasSkinnedCaption(HWND hwnd) {
    CaptionLayout layout;
    return GetCaptionLayout(hwnd, layout);
}

}  // namespace

LRESULT OnTopLevelMessage(HWND hwnd, SkinWindow* w, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE: {
            const LRESULT r = CallOriginal(hwnd, msg, wp, lp);
            if (r != -1 && FindSkinWindow(hwnd) != nullptr) PrepareTopLevel(hwnd);
            return r;
        }
        case WM_ERASEBKGND:
            if (wp != 0) {
                RECT rc;
                GetClientRect(hwnd, &rc);
                FillRect(reinterpret_cast<HDC>(wp), &rc, gSkin.windowBrush);
                return 1;
            }
            break;
        case WM_NCPAINT: {
            if (!HasSkinnedCaption(hwnd)) break;
            if (OwnsNonClient(hwnd)) {
                RepaintNonClient(hwnd);
                return 0;
            }
            const LRESULT r = CallOriginal(hwnd, msg, wp, lp);
            RepaintNonClient(hwnd);
            return r;
        }
        case WM_NCACTIVATE: {
            w->active = wp != 0;
            if (!HasSkinnedCaption(hwnd)) break;
            // lParam -1 asks the default handler not to redraw the frame,
            // which the skin is about to draw anyway.
            const LRESULT r = CallOriginal(hwnd, msg, wp, OwnsNonClient(hwnd) ? -1 : lp);
            RepaintNonClient(hwnd);
            return r;
        }
        case kNcUahDrawCaption:
        case kNcUahDrawFrame:
            if (!HasSkinnedCaption(hwnd)) break;
            RepaintNonClient(hwnd);
            return 0;
        case WM_PRINT: {
            const LRESULT r = CallOriginal(hwnd, msg, wp, lp);
            if ((lp & PRF_NONCLIENT) && wp != 0 && FindSkinWindow(hwnd) != nullptr) {
                PaintNonClient(hwnd, reinterpret_cast<HDC>(wp));
            }
            return r;
        }
        // The default handlers of these draw the system's title bar directly,
        // without WM_NCPAINT: draw the skin's again afterwards. The window may
        // be gone by then (a click on close), which RepaintNonClient checks.
        case WM_SETTEXT:
        case WM_SETICON:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONUP:
        case WM_SYSCOMMAND:
        case WM_ENABLE:
        case WM_STYLECHANGED: {
            const LRESULT r = CallOriginal(hwnd, msg, wp, lp);
            RepaintNonClient(hwnd);
            return r;
        }
    }
    return CallOriginal(hwnd, msg, wp, lp);
}
