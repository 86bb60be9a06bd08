#include "skin_caption.h"

#include <algorithm>

#include "skin_draw.h"
#include "skin_state.h"

namespace {

COLORREF Mix(SkinRole a, SkinRole b, int percent) {
    return ToColorRef(BlendColour(gSkin.look.Colour(a), gSkin.look.Colour(b), percent));
}

RECT InsideRect(const RECT& window, LONG style, LONG exStyle) {
    RECT r = window;
    const bool dlgFrame =
        (exStyle & WS_EX_DLGMODALFRAME) || ((style & WS_DLGFRAME) && !(style & WS_THICKFRAME));
    if (dlgFrame) {
        InflateRect(&r, -GetSystemMetrics(SM_CXDLGFRAME), -GetSystemMetrics(SM_CYDLGFRAME));
    } else if (style & WS_THICKFRAME) {
        InflateRect(&r, -GetSystemMetrics(SM_CXFRAME), -GetSystemMetrics(SM_CYFRAME));
    } else {
        InflateRect(&r, -GetSystemMetrics(SM_CXBORDER), -GetSystemMetrics(SM_CYBORDER));
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

// Glyphs are drawn from small filled rectangles: crisp at any caption size.
void DrawClose(HDC dc, const RECT& box, COLORREF colour) {
    const int w = box.right - box.left, h = box.bottom - box.top;
    const int s = std::max(5, std::min(w, h) - 6);
    const int x0 = box.left + (w - s) / 2, y0 = box.top + (h - s) / 2;
    for (int i = 0; i < s; ++i) {
        const RECT a = {x0 + i, y0 + i, x0 + i + 2, y0 + i + 1};
        const RECT b = {x0 + s - i - 2, y0 + i, x0 + s - i, y0 + i + 1};
        FillSolid(dc, a, colour);
        FillSolid(dc, b, colour);
    }
}

void DrawMinimise(HDC dc, const RECT& box, COLORREF colour) {
    const int w = box.right - box.left, h = box.bottom - box.top;
    const int s = std::max(5, std::min(w, h) - 6);
    const int x0 = box.left + (w - s) / 2, y0 = box.top + (h - s) / 2;
    const RECT bar = {x0, y0 + s - 2, x0 + s, y0 + s};
    FillSolid(dc, bar, colour);
}

void DrawMaximise(HDC dc, const RECT& box, COLORREF colour) {
    const int w = box.right - box.left, h = box.bottom - box.top;
    const int s = std::max(5, std::min(w, h) - 6);
    const int x0 = box.left + (w - s) / 2, y0 = box.top + (h - s) / 2;
    const RECT top = {x0, y0, x0 + s, y0 + 2};
    const RECT left = {x0, y0, x0 + 1, y0 + s};
    const RECT right = {x0 + s - 1, y0, x0 + s, y0 + s};
    const RECT bottom = {x0, y0 + s - 1, x0 + s, y0 + s};
    for (const RECT& r : {top, left, right, bottom}) FillSolid(dc, r, colour);
}

void DrawButtonBox(HDC dc, const RECT& box, bool active) {
    const SkinRole top = active ? SkinRole::CaptionTop : SkinRole::CaptionInactiveTop;
    const SkinRole bottom = active ? SkinRole::CaptionBottom : SkinRole::CaptionInactiveBottom;
    FillRoundFace(dc, box, 2, Mix(top, SkinRole::CaptionGlyph, 15),
                  Mix(bottom, SkinRole::CaptionGlyph, 15));
    FrameRound(dc, box, 2, Mix(bottom, SkinRole::CaptionGlyph, 45));
}

void DrawTitle(HWND hwnd, HDC dc, const CaptionLayout& layout, bool active) {
    RECT text = layout.caption;
    text.left += 4;
    if (HICON icon = SmallIcon(hwnd); icon && (GetWindowLongA(hwnd, GWL_STYLE) & WS_SYSMENU)) {
        const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
        const int top = layout.caption.top + (layout.caption.bottom - layout.caption.top - cy) / 2;
        DrawIconEx(dc, layout.caption.left + 2, top, icon, cx, cy, 0, nullptr, DI_NORMAL);
        text.left = layout.caption.left + 2 + cx + 4;
    }
    if (layout.hasMinMax) {
        text.right = layout.minBox.left - 2;
    } else if (layout.hasClose) {
        text.right = layout.closeBox.left - 2;
    }
    wchar_t title[512] = {};
    GetWindowTextW(hwnd, title, sizeof(title) / sizeof(title[0]));
    if (title[0] == L'\0' || text.right <= text.left) return;
    HGDIOBJ oldFont = gSkin.captionFont ? SelectObject(dc, gSkin.captionFont) : nullptr;
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
    out.inside = InsideRect(out.window, style, exStyle);

    const int captionHeight = GetSystemMetrics(SM_CYCAPTION);
    const int buttonWidth = GetSystemMetrics(SM_CXSIZE);
    out.caption = out.inside;
    out.caption.bottom = out.inside.top + captionHeight - 1;

    // Close takes the last caption-height columns, then maximise and
    // minimise one button width each, as the system's hit test counts them.
    const LONG right = out.inside.right;
    const LONG top = out.caption.top + 2, bottom = out.caption.bottom - 2;
    out.hasClose = (style & WS_SYSMENU) != 0;
    out.hasMinMax = out.hasClose && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    if (out.hasClose) {
        out.closeBox = {right - captionHeight + 2, top, right - 2, bottom};
        out.closeEnabled = MenuItemEnabled(GetSystemMenu(hwnd, FALSE), SC_CLOSE);
    }
    if (out.hasMinMax) {
        const LONG maxRight = right - captionHeight;
        out.maxBox = {maxRight - buttonWidth + 2, top, maxRight - 1, bottom};
        const LONG minRight = maxRight - buttonWidth;
        out.minBox = {minRight - buttonWidth + 2, top, minRight - 1, bottom};
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
    if (layout.hasClose) {
        DrawButtonBox(dc, layout.closeBox, active);
        DrawClose(dc, layout.closeBox, layout.closeEnabled ? glyph : dimmed);
    }
    if (layout.hasMinMax) {
        DrawButtonBox(dc, layout.maxBox, active);
        DrawMaximise(dc, layout.maxBox, layout.maxEnabled ? glyph : dimmed);
        DrawButtonBox(dc, layout.minBox, active);
        DrawMinimise(dc, layout.minBox, layout.minEnabled ? glyph : dimmed);
    }
    RestoreDC(dc, saved);
}
