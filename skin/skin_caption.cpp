#include "skin_caption.h"

#include <algorithm>

#include "skin_dpi.h"
#include "skin_draw.h"
#include "skin_state.h"

namespace {

COLORREF Mix(SkinRole a, SkinRole b, int percent) {
    return ToColorRef(BlendColour(gSkin.look.Colour(a), gSkin.look.Colour(b), percent));
}

RECT InsideRect(const RECT& window, LONG style, LONG exStyle, UINT dpi) {
    RECT r = window;
    const bool dlgFrame =
        (exStyle & WS_EX_DLGMODALFRAME) || ((style & WS_DLGFRAME) && !(style & WS_THICKFRAME));
    if (dlgFrame) {
        InflateRect(&r, -SkinMetric(SM_CXDLGFRAME, dpi), -SkinMetric(SM_CYDLGFRAME, dpi));
    } else if (style & WS_THICKFRAME) {
        InflateRect(&r, -SkinMetric(SM_CXFRAME, dpi), -SkinMetric(SM_CYFRAME, dpi));
    } else {
        InflateRect(&r, -SkinMetric(SM_CXBORDER, dpi), -SkinMetric(SM_CYBORDER, dpi));
    }
    return r;
}

bool MenuItemEnabled(HMENU menu, UINT command) {
    if (menu == nullptr) return false;
    const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_DISABLED | MF_GRAYED));
}

HICON SmallIcon(HWND hwnd) {
    HICON icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICON));
    return icon;
}

// A glyph's square inside its box: the box less a margin, centred.
struct GlyphSquare {
    int x0, y0, s, stroke;  // the stroke is two pixels at 96 DPI
};

GlyphSquare SquareIn(const RECT& box, UINT dpi) {
    const int w = box.right - box.left, h = box.bottom - box.top;
    const int s = std::max(SkinScaled(5, dpi), std::min(w, h) - SkinScaled(6, dpi));
    return {box.left + (w - s) / 2, box.top + (h - s) / 2, s, std::max(2, SkinScaled(2, dpi))};
}

// Glyphs are drawn from small filled rectangles: crisp at any caption size.
void DrawClose(HDC dc, const RECT& box, COLORREF colour, UINT dpi) {
    const GlyphSquare g = SquareIn(box, dpi);
    for (int i = 0; i < g.s; ++i) {
        const RECT a = {g.x0 + i, g.y0 + i, g.x0 + i + g.stroke, g.y0 + i + 1};
        const RECT b = {g.x0 + g.s - i - g.stroke, g.y0 + i, g.x0 + g.s - i, g.y0 + i + 1};
        FillSolid(dc, a, colour);
        FillSolid(dc, b, colour);
    }
}

void DrawMinimise(HDC dc, const RECT& box, COLORREF colour, UINT dpi) {
    const GlyphSquare g = SquareIn(box, dpi);
    const RECT bar = {g.x0, g.y0 + g.s - g.stroke, g.x0 + g.s, g.y0 + g.s};
    FillSolid(dc, bar, colour);
}

void DrawMaximise(HDC dc, const RECT& box, COLORREF colour, UINT dpi) {
    const GlyphSquare g = SquareIn(box, dpi);
    const int line = std::max(1, g.stroke / 2);
    const RECT top = {g.x0, g.y0, g.x0 + g.s, g.y0 + g.stroke};
    const RECT left = {g.x0, g.y0, g.x0 + line, g.y0 + g.s};
    const RECT right = {g.x0 + g.s - line, g.y0, g.x0 + g.s, g.y0 + g.s};
    const RECT bottom = {g.x0, g.y0 + g.s - line, g.x0 + g.s, g.y0 + g.s};
    for (const RECT& r : {top, left, right, bottom}) FillSolid(dc, r, colour);
}

void DrawButtonBox(HDC dc, const RECT& box, bool active, UINT dpi) {
    const SkinRole top = active ? SkinRole::CaptionTop : SkinRole::CaptionInactiveTop;
    const SkinRole bottom = active ? SkinRole::CaptionBottom : SkinRole::CaptionInactiveBottom;
    const int radius = SkinScaled(2, dpi);
    FillRoundFace(dc, box, radius, Mix(top, SkinRole::CaptionGlyph, 15),
                  Mix(bottom, SkinRole::CaptionGlyph, 15));
    FrameRound(dc, box, radius, Mix(bottom, SkinRole::CaptionGlyph, 45));
}

void DrawTitle(HWND hwnd, HDC dc, const CaptionLayout& layout, bool active) {
    const UINT dpi = layout.dpi;
    RECT text = layout.caption;
    text.left += SkinScaled(4, dpi);
    if (HICON icon = SmallIcon(hwnd); icon && (GetWindowLongA(hwnd, GWL_STYLE) & WS_SYSMENU)) {
        const int cx = SkinMetric(SM_CXSMICON, dpi), cy = SkinMetric(SM_CYSMICON, dpi);
        const int top = layout.caption.top + (layout.caption.bottom - layout.caption.top - cy) / 2;
        const int left = layout.caption.left + SkinScaled(2, dpi);
        DrawIconEx(dc, left, top, icon, cx, cy, 0, nullptr, DI_NORMAL);
        text.left = left + cx + SkinScaled(4, dpi);
    }
    if (layout.hasMinMax) {
        text.right = layout.minBox.left - SkinScaled(2, dpi);
    } else if (layout.hasClose) {
        text.right = layout.closeBox.left - SkinScaled(2, dpi);
    }
    wchar_t title[512] = {};
    GetWindowTextW(hwnd, title, sizeof(title) / sizeof(title[0]));
    if (title[0] == L'\0' || text.right <= text.left) return;
    HFONT font = SkinCaptionFont(dpi);
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, SkinRgb(active ? SkinRole::CaptionText : SkinRole::CaptionInactiveText));
    DrawTextW(dc, title, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (oldFont) SelectObject(dc, oldFont);
}

}  // namespace

bool GetCaptionLayout(HWND hwnd, CaptionLayout& out) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    if ((style & WS_CAPTION) != WS_CAPTION || (exStyle & WS_EX_TOOLWINDOW) || IsIconic(hwnd)) {
        return false;
    }
    RECT screen;
    if (!GetWindowRect(hwnd, &screen)) return false;
    out.window = {0, 0, screen.right - screen.left, screen.bottom - screen.top};
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    RECT client;
    GetClientRect(hwnd, &client);
    OffsetRect(&client, origin.x - screen.left, origin.y - screen.top);
    out.client = client;
    // The system lays the frame out with the metrics of the window's DPI.
    const UINT dpi = SkinDpiOf(hwnd);
    out.dpi = dpi;
    out.inside = InsideRect(out.window, style, exStyle, dpi);

    const int captionHeight = SkinMetric(SM_CYCAPTION, dpi);
    const int buttonWidth = SkinMetric(SM_CXSIZE, dpi);
    out.caption = out.inside;
    out.caption.bottom = out.inside.top + captionHeight - 1;

    // Close takes the last caption-height columns, then maximise and
    // minimise one button width each, as the system's hit test counts them.
    const LONG right = out.inside.right;
    const int margin = SkinScaled(2, dpi), gap = SkinScaled(1, dpi);
    const LONG top = out.caption.top + margin, bottom = out.caption.bottom - margin;
    out.hasClose = (style & WS_SYSMENU) != 0;
    out.hasMinMax = out.hasClose && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    if (out.hasClose) {
        out.closeBox = {right - captionHeight + margin, top, right - margin, bottom};
        out.closeEnabled = MenuItemEnabled(GetSystemMenu(hwnd, FALSE), SC_CLOSE);
    }
    if (out.hasMinMax) {
        const LONG maxRight = right - captionHeight;
        out.maxBox = {maxRight - buttonWidth + margin, top, maxRight - gap, bottom};
        const LONG minRight = maxRight - buttonWidth;
        out.minBox = {minRight - buttonWidth + margin, top, minRight - gap, bottom};
        out.maxEnabled = (style & WS_MAXIMIZEBOX) != 0;
        out.minEnabled = (style & WS_MINIMIZEBOX) != 0;
    }
    return out.caption.bottom > out.caption.top && out.caption.right > out.caption.left;
}

void PaintCaption(HWND hwnd, HDC dc, const CaptionLayout& layout, bool active, bool fillFrame) {
    const int saved = SaveDC(dc);
    // Never touch the client area: the window and its children draw there.
    ExcludeClipRect(dc, layout.client.left, layout.client.top, layout.client.right,
                    layout.client.bottom);
    if (!fillFrame) {
        ExcludeClipRect(dc, layout.inside.left, layout.caption.bottom + 1, layout.inside.right,
                        layout.inside.bottom);
    }
    FillSolid(dc, layout.window, SkinRgb(SkinRole::FrameInner));
    FrameRound(dc, layout.window, 0, SkinRgb(SkinRole::FrameOuter));

    const SkinRole top = active ? SkinRole::CaptionTop : SkinRole::CaptionInactiveTop;
    const SkinRole bottom = active ? SkinRole::CaptionBottom : SkinRole::CaptionInactiveBottom;
    FillGradient(dc, layout.caption, SkinRgb(top), SkinRgb(bottom));
    DrawTitle(hwnd, dc, layout, active);

    const COLORREF glyph =
        active ? SkinRgb(SkinRole::CaptionGlyph) : Mix(SkinRole::CaptionGlyph, bottom, 40);
    const COLORREF dimmed = Mix(SkinRole::CaptionGlyph, bottom, 65);
    const UINT dpi = layout.dpi;
    if (layout.hasClose) {
        DrawButtonBox(dc, layout.closeBox, active, dpi);
        DrawClose(dc, layout.closeBox, layout.closeEnabled ? glyph : dimmed, dpi);
    }
    if (layout.hasMinMax) {
        DrawButtonBox(dc, layout.maxBox, active, dpi);
        DrawMaximise(dc, layout.maxBox, layout.maxEnabled ? glyph : dimmed, dpi);
        DrawButtonBox(dc, layout.minBox, active, dpi);
        DrawMinimise(dc, layout.minBox, layout.minEnabled ? glyph : dimmed, dpi);
    }
    RestoreDC(dc, saved);
}
