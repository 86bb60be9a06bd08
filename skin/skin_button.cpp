// "Button" windows: push buttons get the skin's face (normal, hover,
// pressed), frame and centred caption; group boxes the skin's frame and
// caption; other button kinds keep their own drawing on the skin's
// background (through the parent's colour messages).
#include <algorithm>

#include "skin_dpi.h"
#include "skin_draw.h"
#include "skin_state.h"
#include "skin_window.h"

namespace {

COLORREF Mix(Rgb a, Rgb b, int percent) {
    return ToColorRef(BlendColour(a, b, percent));
}

HFONT ControlFont(HWND hwnd) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

UINT TextFormat(LONG style, HWND hwnd) {
    UINT format = 0;
    switch (style & BS_CENTER) {
        case BS_LEFT:
            format |= DT_LEFT;
            break;
        case BS_RIGHT:
            format |= DT_RIGHT;
            break;
        default:
            format |= DT_CENTER;
    }
    if (SendMessageA(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) format |= DT_HIDEPREFIX;
    return format;
}

void DrawCaptionText(HDC dc, HWND hwnd, LONG style, RECT box) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, sizeof(text) / sizeof(text[0]));
    if (text[0] == L'\0') return;
    UINT format = TextFormat(style, hwnd);
    if (style & BS_MULTILINE) {
        RECT measure = box;
        DrawTextW(dc, text, -1, &measure, format | DT_WORDBREAK | DT_CALCRECT);
        const LONG height = measure.bottom - measure.top;
        switch (style & BS_VCENTER) {
            case BS_TOP:
                break;
            case BS_BOTTOM:
                box.top = box.bottom - height;
                break;
            default:
                box.top += (box.bottom - box.top - height) / 2;
        }
        DrawTextW(dc, text, -1, &box, format | DT_WORDBREAK);
        return;
    }
    switch (style & BS_VCENTER) {
        case BS_TOP:
            format |= DT_TOP;
            break;
        case BS_BOTTOM:
            format |= DT_BOTTOM;
            break;
        default:
            format |= DT_VCENTER;
    }
    DrawTextW(dc, text, -1, &box, format | DT_SINGLELINE);
}

void PaintPushButton(HWND hwnd, HDC target) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    BufferedDc buffer(target, rc);
    HDC dc = buffer.Dc();
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const LRESULT state = SendMessageA(hwnd, BM_GETSTATE, 0, 0);
    const SkinWindow* w = FindSkinWindow(hwnd);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const bool pressed = enabled && (state & BST_PUSHED);
    const bool hover = enabled && w != nullptr && w->hover;
    const SkinDef& look = gSkin.look;

    SkinRole top = SkinRole::ButtonTop, bottom = SkinRole::ButtonBottom;
    if (pressed) {
        top = SkinRole::ButtonPressedTop;
        bottom = SkinRole::ButtonPressedBottom;
    } else if (hover) {
        top = SkinRole::ButtonHoverTop;
        bottom = SkinRole::ButtonHoverBottom;
    }
    const Rgb window = look.Colour(SkinRole::Window);
    // A disabled button fades halfway into the background.
    const int fade = enabled ? 0 : 50;
    const UINT dpi = SkinDpiOf(hwnd);
    const int radius =
        std::min<int>(SkinScaled(look.buttonRadius, dpi), std::min(rc.right, rc.bottom) / 2);
    FillSolid(dc, rc, ToColorRef(window));
    FillRoundFace(dc, rc, radius, Mix(look.Colour(top), window, fade),
                  Mix(look.Colour(bottom), window, fade));
    FrameRound(dc, rc, radius, Mix(look.Colour(SkinRole::ButtonFrame), window, fade));
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        RECT inner = rc;
        InflateRect(&inner, -1, -1);
        FrameRound(dc, inner, std::max(radius - 1, 0),
                   ToColorRef(look.Colour(SkinRole::ButtonFrame)));
    }

    HGDIOBJ oldFont = SelectObject(dc, ControlFont(hwnd));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Mix(look.Colour(SkinRole::ButtonText), look.Colour(bottom), enabled ? 0 : 55));
    RECT box = rc;
    InflateRect(&box, -SkinScaled(4, dpi), -SkinScaled(3, dpi));
    if (pressed) OffsetRect(&box, 1, 1);
    DrawCaptionText(dc, hwnd, style, box);
    SelectObject(dc, oldFont);

    if (GetFocus() == hwnd && !(SendMessageA(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        RECT focus = rc;
        InflateRect(&focus, -SkinScaled(3, dpi), -SkinScaled(3, dpi));
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

void PaintGroupBox(HWND hwnd, HDC target) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    BufferedDc buffer(target, rc);
    HDC dc = buffer.Dc();
    const SkinDef& look = gSkin.look;
    const UINT dpi = SkinDpiOf(hwnd);
    FillSolid(dc, rc, ToColorRef(look.Colour(SkinRole::Window)));

    HGDIOBJ oldFont = SelectObject(dc, ControlFont(hwnd));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    RECT frame = rc;
    frame.top += metrics.tmHeight / 2;
    FrameRound(dc, frame,
               std::min<int>(SkinScaled(look.groupRadius, dpi), (frame.bottom - frame.top) / 2),
               ToColorRef(look.Colour(SkinRole::GroupFrame)));

    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, sizeof(text) / sizeof(text[0]));
    if (text[0] != L'\0') {
        // The parent says which text colour it wants (a skinned parent keeps
        // a colour the program chose and gives the skin's otherwise).
        SetTextColor(dc, ToColorRef(look.Colour(SkinRole::Text)));
        if (HWND parent = GetParent(hwnd)) {
            SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(hwnd));
        }
        if (!IsWindowEnabled(hwnd)) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        const UINT format = DT_SINGLELINE | DT_LEFT | DT_TOP | TextFormat(BS_LEFT, hwnd);
        const int indent = SkinScaled(8, dpi);
        RECT box = {rc.left + indent, rc.top, rc.right - indent, rc.top + metrics.tmHeight};
        RECT measure = box;
        DrawTextW(dc, text, -1, &measure, format | DT_CALCRECT);
        box.right = std::min(box.right, measure.right + SkinScaled(4, dpi));
        FillSolid(dc, box, ToColorRef(look.Colour(SkinRole::Window)));
        box.left += SkinScaled(2, dpi);
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, text, -1, &box, format | DT_END_ELLIPSIS);
    }
    SelectObject(dc, oldFont);
}

void PaintButton(HWND hwnd, HDC dc, bool push) {
    if (push) {
        PaintPushButton(hwnd, dc);
    } else {
        PaintGroupBox(hwnd, dc);
    }
}

// Leaves the group box's children out of the painted area: they draw
// themselves, and painting under them would only make them flicker.
void ExcludeChildren(HWND hwnd, HDC dc) {
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

// The system's button procedure draws some state changes straight onto
// the screen (focus, press, enable, text); the skin's face goes back on top.
bool PaintsDirectly(UINT msg) {
    switch (msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_UPDATEUISTATE:
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case BM_SETCHECK:
        case BM_CLICK:
            return true;
    }
    return false;
}

bool IsPushButton(HWND hwnd) {
    const LONG type = GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

void RepaintNow(HWND hwnd) {
    if (!IsWindow(hwnd) || !IsWindowVisible(hwnd) || FindSkinWindow(hwnd) == nullptr ||
        !IsPushButton(hwnd)) {
        return;
    }
    if (HDC dc = GetDC(hwnd)) {
        PaintPushButton(hwnd, dc);
        ReleaseDC(hwnd, dc);
    }
}

}  // namespace

LRESULT OnButtonMessage(HWND hwnd, SkinWindow* w, UINT msg, WPARAM wp, LPARAM lp) {
    const bool push = IsPushButton(hwnd);
    const bool group = (GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    if (!push && !group) return CallOriginal(hwnd, msg, wp, lp);

    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            if (HDC dc = BeginPaint(hwnd, &ps)) {
                if (group) ExcludeChildren(hwnd, dc);
                PaintButton(hwnd, dc, push);
                EndPaint(hwnd, &ps);
            }
            return 0;
        }
        case WM_PRINTCLIENT:
            if (wp != 0) PaintButton(hwnd, reinterpret_cast<HDC>(wp), push);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
    }
    if (!push) return CallOriginal(hwnd, msg, wp, lp);

    switch (msg) {
        case WM_MOUSEMOVE:
            if (!w->hover) {
                w->hover = true;
                TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, hwnd, 0};
                TrackMouseEvent(&track);
                InvalidateRect(hwnd, nullptr, FALSE);
            }
            break;
        case WM_MOUSELEAVE:
            w->hover = false;
            InvalidateRect(hwnd, nullptr, FALSE);
            break;
        default:
            if (PaintsDirectly(msg)) {
                // The message may destroy the button (a click handler), so
                // nothing of `w` is used after it.
                const LRESULT r = CallOriginal(hwnd, msg, wp, lp);
                RepaintNow(hwnd);
                return r;
            }
    }
    return CallOriginal(hwnd, msg, wp, lp);
}
