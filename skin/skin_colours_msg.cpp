// Colours a skinned parent hands to its children: labels, group box captions,
// check boxes and dialog backgrounds get the skin's background, while a text
// colour the program chose itself (the red count) is kept.
#include "skin_state.h"
#include "skin_window.h"

namespace {

bool IsEditClass(HWND hwnd) {
    char className[16] = {};
    return GetClassNameA(hwnd, className, sizeof(className)) > 0 &&
           lstrcmpiA(className, "Edit") == 0;
}

}  // namespace

bool IsParentColourMessage(UINT msg) {
    return msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN || msg == WM_CTLCOLORDLG;
}

LRESULT OnParentColour(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // The program answers first, so whatever text colour it sets is known.
    const LRESULT answer = CallOriginal(hwnd, msg, wp, lp);
    HDC dc = reinterpret_cast<HDC>(wp);
    // Read-only edit boxes ask with WM_CTLCOLORSTATIC too; they stay white.
    if (dc == nullptr || !gSkin.attached ||
        (msg != WM_CTLCOLORDLG && IsEditClass(reinterpret_cast<HWND>(lp)))) {
        return answer;
    }
    // The system's default text colours give way to the skin's text colour so
    // that texts stay readable on dark skins; any other colour was chosen by
    // the program and stays.
    const COLORREF text = GetTextColor(dc);
    if (text == GetSysColor(COLOR_WINDOWTEXT) || text == GetSysColor(COLOR_BTNTEXT)) {
        SetTextColor(dc, SkinRgb(SkinRole::Text));
    }
    SetBkColor(dc, SkinRgb(SkinRole::Window));
    SetBkMode(dc, OPAQUE);
    return reinterpret_cast<LRESULT>(gSkin.windowBrush);
}
