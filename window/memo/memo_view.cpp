// The content box on the screen: its font, the lines it shows, the scroll
// bar and the caret. Only the lines in view are drawn.
#include <algorithm>
#include <vector>

#include "window/memo/memo_state.h"

namespace keyloom {

namespace {

// The space between the box's sides and its text, in pixels.
constexpr int kMargin = 1;

int ClientWidth(const MemoState& memo) {
    RECT client;
    GetClientRect(memo.window, &client);
    return client.right - client.left;
}

int ClientHeight(const MemoState& memo) {
    RECT client;
    GetClientRect(memo.window, &client);
    return client.bottom - client.top;
}

void UpdateScrollBar(MemoState& memo) {
    const int last = static_cast<int>(memo.editor.Layout().LineCount()) - 1;
    const int page = static_cast<int>(VisibleMemoLines(memo));
    const int pos = static_cast<int>(memo.top);
    // Setting the bar draws it again at once: only when it changes.
    if (last == memo.scrollShown[0] && page == memo.scrollShown[1] && pos == memo.scrollShown[2]) {
        return;
    }
    memo.scrollShown[0] = last;
    memo.scrollShown[1] = page;
    memo.scrollShown[2] = pos;
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    // Always there, greyed while the text fits, as an edit box's.
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = last;
    info.nPage = static_cast<UINT>(page);
    info.nPos = pos;
    SetScrollInfo(memo.window, SB_VERT, &info, TRUE);
}

// The colours the parent gives an edit box: its brush, and the text and
// background colours it sets on dc.
HBRUSH ParentColours(const MemoState& memo, HDC dc) {
    HWND parent = GetParent(memo.window);
    const WPARAM wParam = reinterpret_cast<WPARAM>(dc);
    const LPARAM lParam = reinterpret_cast<LPARAM>(memo.window);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLOREDIT, wParam, lParam));
    if (!brush) {
        brush = reinterpret_cast<HBRUSH>(DefWindowProcA(parent, WM_CTLCOLOREDIT, wParam, lParam));
    }
    return brush;
}

// Draws the first `shown` bytes of one line at y, every character where the
// layout puts it; tabs only move on. clip, when given, limits the drawing
// to that rectangle.
void DrawLine(const MemoState& memo, HDC dc, std::size_t line, int y, std::size_t shown,
              const std::vector<int>& advances, const RECT* clip) {
    const MemoLine& l = memo.editor.Layout().Line(line);
    const char* bytes = memo.editor.Text().data() + l.start;
    const UINT options = clip ? ETO_CLIPPED : 0;
    int x = kMargin;
    std::size_t run = 0;
    for (std::size_t i = 0; i <= shown; ++i) {
        if (i < shown && bytes[i] != '\t') continue;
        if (i > run) {
            ExtTextOutA(dc, x, y, options, clip, bytes + run, static_cast<UINT>(i - run),
                        &advances[run]);
            for (std::size_t j = run; j < i; ++j) x += advances[j];
        }
        if (i < shown) x += advances[i];
        run = i + 1;
    }
}

HGDIOBJ FontOf(const MemoState& memo) {
    return memo.font ? static_cast<HGDIOBJ>(memo.font) : GetStockObject(SYSTEM_FONT);
}

}  // namespace

void UseMemoFont(MemoState& memo, HFONT font) {
    memo.font = font;
    if (!memo.measuring) memo.measuring = CreateCompatibleDC(nullptr);
    RefitMemo(memo);
}

void RefitMemo(MemoState& memo) {
    HDC dc = memo.measuring;
    if (!dc) return;
    // The font is in the measuring context only while it measures, so the
    // program may delete it when the window goes.
    const HGDIOBJ previous = SelectObject(dc, FontOf(memo));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    memo.lineHeight = std::max<int>(1, metrics.tmHeight);
    // Tab stops every eight average characters, as an edit box has them.
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    SIZE letters = {};
    GetTextExtentPoint32A(dc, kLetters, 52, &letters);
    SelectObject(dc, previous);
    const int average = (letters.cx / 26 + 1) / 2;
    CharWidths widths(
        [dc, font = FontOf(memo)](std::string_view character) {
            const HGDIOBJ previous = SelectObject(dc, font);
            SIZE size = {};
            GetTextExtentPoint32A(dc, character.data(), static_cast<int>(character.size()), &size);
            SelectObject(dc, previous);
            return static_cast<int>(size.cx);
        },
        8 * std::max(1, average));
    memo.editor.SetFormat(std::max(1, ClientWidth(memo) - 2 * kMargin), std::move(widths));
    ShowMemoChange(memo, false);
}

void PaintMemo(MemoState& memo, HDC dc) {
    RECT client;
    GetClientRect(memo.window, &client);
    HBRUSH background = ParentColours(memo, dc);
    FillRect(dc, &client, background);
    const HGDIOBJ oldFont =
        SelectObject(dc, memo.font ? static_cast<HGDIOBJ>(memo.font) : GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, TRANSPARENT);
    const COLORREF textColour = GetTextColor(dc);
    const MemoLayout& layout = memo.editor.Layout();
    // The selection shows only while the box has the focus.
    const std::size_t selectionStart = memo.editor.SelectionStart();
    const std::size_t selectionEnd = memo.focused ? memo.editor.SelectionEnd() : selectionStart;
    // A line may run past the right edge (spaces never wrap): only what lies
    // inside the box is measured and drawn, so a paint costs the same
    // however long its lines are.
    const int right = std::max<int>(0, client.right - kMargin);
    std::vector<int> advances;
    int y = client.top;
    for (std::size_t line = memo.top; line < layout.LineCount() && y < client.bottom; ++line) {
        const std::size_t shown = layout.Advances(line, right, &advances);
        DrawLine(memo, dc, line, y, shown, advances, nullptr);
        const MemoLine& l = layout.Line(line);
        const std::size_t from = std::max(selectionStart, l.start);
        const std::size_t to = std::min(selectionEnd, l.End());
        const int left = from < to ? layout.XOf(line, from, right) : right;
        if (left < right) {
            const RECT selected = {kMargin + left, y, kMargin + layout.XOf(line, to, right),
                                   y + memo.lineHeight};
            FillRect(dc, &selected, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            DrawLine(memo, dc, line, y, shown, advances, &selected);
            SetTextColor(dc, textColour);
        }
        y += memo.lineHeight;
    }
    SelectObject(dc, oldFont);
}

std::size_t VisibleMemoLines(const MemoState& memo) {
    return static_cast<std::size_t>(std::max(1, ClientHeight(memo) / memo.lineHeight));
}

void ScrollMemoTo(MemoState& memo, std::size_t top) {
    const std::size_t count = memo.editor.Layout().LineCount();
    const std::size_t visible = VisibleMemoLines(memo);
    top = std::min(top, count > visible ? count - visible : 0);
    const bool moved = top != memo.top;
    memo.top = top;
    UpdateScrollBar(memo);
    if (moved) {
        InvalidateRect(memo.window, nullptr, FALSE);
        PlaceMemoCaret(memo);
    }
}

void OnMemoScrollBar(MemoState& memo, WPARAM request) {
    const std::size_t page = VisibleMemoLines(memo);
    std::size_t top = memo.top;
    switch (LOWORD(request)) {
        case SB_LINEUP:
            top = top > 0 ? top - 1 : 0;
            break;
        case SB_LINEDOWN:
            top += 1;
            break;
        case SB_PAGEUP:
            top = top > page ? top - page : 0;
            break;
        case SB_PAGEDOWN:
            top += page;
            break;
        case SB_TOP:
            top = 0;
            break;
        case SB_BOTTOM:
            top = memo.editor.Layout().LineCount();
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            // The 32-bit place: the message carries only 16 bits of it.
            SCROLLINFO info = {};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(memo.window, SB_VERT, &info);
            top = static_cast<std::size_t>(std::max(0, info.nTrackPos));
            break;
        }
        default:
            return;
    }
    ScrollMemoTo(memo, top);
}

void ShowMemoChange(MemoState& memo, bool scroll) {
    if (scroll) {
        const std::size_t line =
            memo.editor.Layout().LineOf(memo.editor.Caret(), memo.editor.AfterWrap());
        const std::size_t visible = VisibleMemoLines(memo);
        if (line < memo.top) {
            ScrollMemoTo(memo, line);
        } else if (line >= memo.top + visible) {
            ScrollMemoTo(memo, line - visible + 1);
        }
    }
    // The text may have lost lines below the view.
    ScrollMemoTo(memo, memo.top);
    InvalidateRect(memo.window, nullptr, FALSE);
    PlaceMemoCaret(memo);
}

std::size_t MemoPosAt(const MemoState& memo, int x, int y, bool* afterWrap) {
    const MemoLayout& layout = memo.editor.Layout();
    const long rows = y >= 0 ? y / memo.lineHeight : -((memo.lineHeight - 1 - y) / memo.lineHeight);
    const long last = static_cast<long>(layout.LineCount()) - 1;
    const long line = std::clamp(static_cast<long>(memo.top) + rows, 0L, last);
    return layout.PosAt(static_cast<std::size_t>(line), x - kMargin, afterWrap);
}

void PlaceMemoCaret(const MemoState& memo) {
    if (!memo.focused) return;
    const MemoLayout& layout = memo.editor.Layout();
    const std::size_t line = layout.LineOf(memo.editor.Caret(), memo.editor.AfterWrap());
    // Out of view, the caret waits above or below the box.
    int y = -memo.lineHeight;
    if (line >= memo.top) {
        const std::size_t row = std::min(line - memo.top, VisibleMemoLines(memo) + 1);
        y = static_cast<int>(row) * memo.lineHeight;
    }
    // Past the right edge it waits just outside the box.
    SetCaretPos(kMargin + layout.XOf(line, memo.editor.Caret(), ClientWidth(memo)), y);
}

}  // namespace keyloom
