// Dialogs inside other windows (property pages and the like): the skin's
// background. Their children's colours come through OnParentColour.
#include "skin_state.h"
#include "skin_window.h"

LRESULT OnDialogMessage(HWND hwnd, SkinWindow*, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND && wp != 0) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(reinterpret_cast<HDC>(wp), &rc, gSkin.windowBrush);
        return 1;
    }
    return CallOriginal(hwnd, msg, wp, lp);
}
