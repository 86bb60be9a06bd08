// "SysHeader32", the column header of a report list: item faces, separators
// and titles in the skin, with the item held down drawn pressed.
#include <windows.h>

#include <commctrl.h>

#include "skin_dpi.h"
#include "skin_draw.h"
#include "skin_state.h"
#include "skin_window.h"

namespace {

UINT AlignmentFormat(int fmt) {
    switch (fmt & HDF_JUSTIFYMASK) {
        case HDF_CENTER:
            return DT_CENTER;
        case HDF_RIGHT:
            return DT_RIGHT;
    }
    return DT_LEFT;
}

void PaintItem(HWND hwnd, HDC dc, int index, bool pressed, UINT dpi) {
    RECT item;
    if (!SendMessageA(hwnd, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item))) return;
    if (pressed) {
        FillGradient(dc, item, SkinRgb(SkinRole::HeaderPressedTop),
                     SkinRgb(SkinRole::HeaderPressedBottom));
    }
    const int inset = SkinScaled(3, dpi);
    const RECT separator = {item.right - 1, item.top + inset, item.right, item.bottom - inset};
    FillSolid(dc, separator, SkinRgb(SkinRole::HeaderSeparator));

    wchar_t text[260] = {};
    HDITEMW info = {};
    info.mask = HDI_TEXT | HDI_FORMAT;
    info.pszText = text;
    info.cchTextMax = sizeof(text) / sizeof(text[0]);
    if (!SendMessageW(hwnd, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&info))) return;
    if (text[0] == L'\0') return;
    RECT box = item;
    InflateRect(&box, -SkinScaled(6, dpi), 0);
    if (pressed) OffsetRect(&box, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, SkinRgb(SkinRole::HeaderText));
    DrawTextW(
        dc, text, -1, &box,
        AlignmentFormat(info.fmt) | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void PaintHeader(HWND hwnd, HDC target) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    BufferedDc buffer(target, rc);
    HDC dc = buffer.Dc();
    FillGradient(dc, rc, SkinRgb(SkinRole::HeaderTop), SkinRgb(SkinRole::HeaderBottom));
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const SkinWindow* w = FindSkinWindow(hwnd);
    const int pressed = w ? w->pressedItem : -1;
    const int count = static_cast<int>(SendMessageA(hwnd, HDM_GETITEMCOUNT, 0, 0));
    const UINT dpi = SkinDpiOf(hwnd);
    for (int i = 0; i < count; ++i) PaintItem(hwnd, dc, i, i == pressed, dpi);
    const RECT bottom = {rc.left, rc.bottom - 1, rc.right, rc.bottom};
    FillSolid(dc, bottom, SkinRgb(SkinRole::HeaderSeparator));
    SelectObject(dc, oldFont);
}

// The item under the pointer when the header's items act as buttons, or -1
// (dividers and empty space are not items to press).
int PressableItemAt(HWND hwnd, LPARAM lp) {
    if (!(GetWindowLongA(hwnd, GWL_STYLE) & HDS_BUTTONS)) return -1;
    HDHITTESTINFO hit = {};
    hit.pt.x = static_cast<short>(LOWORD(lp));
    hit.pt.y = static_cast<short>(HIWORD(lp));
    const int index =
        static_cast<int>(SendMessageA(hwnd, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & HHT_ONHEADER) ? index : -1;
}

void SetPressed(HWND hwnd, int index) {
    SkinWindow* w = FindSkinWindow(hwnd);
    if (w == nullptr || w->pressedItem == index) return;
    w->pressedItem = index;
    InvalidateRect(hwnd, nullptr, FALSE);
}

}  // namespace

LRESULT OnHeaderMessage(HWND hwnd, SkinWindow*, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            if (HDC dc = BeginPaint(hwnd, &ps)) {
                PaintHeader(hwnd, dc);
                EndPaint(hwnd, &ps);
            }
            return 0;
        }
        case WM_PRINTCLIENT:
            if (wp != 0) PaintHeader(hwnd, reinterpret_cast<HDC>(wp));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN: {
            const int index = PressableItemAt(hwnd, lp);
            const LRESULT r = CallOriginal(hwnd, msg, wp, lp);
            // Only while the header holds the mouse is an item held down.
            if (IsWindow(hwnd) && GetCapture() == hwnd) SetPressed(hwnd, index);
            return r;
        }
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            // Released before the header tells the list of the click, whose
            // handler may take a while or destroy the window.
            SetPressed(hwnd, -1);
            break;
    }
    return CallOriginal(hwnd, msg, wp, lp);
}
