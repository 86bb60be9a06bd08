#include "window/controls/hyperlink.h"

#include <string>

#include "platform/program_text.h"
#include "platform/web_open.h"

namespace keyloom {

const char* const kAdvertisementCaption = "推荐：Boardloom 封装库管理工具";
const char* const kAdvertisementAddress = "http://boardloom.example.com/";

namespace {

// Each link keeps its own state in the window's extra bytes.
struct HyperlinkState {
    bool hover = false;
    bool visited = false;
    std::string target;
    HFONT font = nullptr;
};

constexpr int kStateOffset = 0;

HyperlinkState* StateOf(HWND link) {
    return reinterpret_cast<HyperlinkState*>(GetWindowLongPtrA(link, kStateOffset));
}

// The state of a window given from outside, which might not be a link.
HyperlinkState* LinkStateOf(HWND window) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (lstrcmpA(className, kHyperlinkClassName) != 0) return nullptr;
    return StateOf(window);
}

// The caption as wide text: it is one of the program's texts, which keep
// their characters only so on a Windows of another code page.
std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void Redraw(HWND link) {
    InvalidateRect(link, nullptr, TRUE);
}

COLORREF ColourOf(const HyperlinkState& state) {
    if (state.hover) return kHyperlinkHoverColour;
    if (state.visited) return kHyperlinkVisitedColour;
    return kHyperlinkNormalColour;
}

// Like a static control, the link asks its parent for the background, so
// it matches the labels around it (button face, or a skin's colour).
HBRUSH BackgroundBrush(HWND link, HDC dc) {
    HWND parent = GetParent(link);
    LRESULT brush = parent ? SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(link))
                           : 0;
    return brush ? reinterpret_cast<HBRUSH>(brush) : GetSysColorBrush(COLOR_BTNFACE);
}

void Paint(HWND link, HDC dc) {
    HyperlinkState* state = StateOf(link);
    RECT client;
    GetClientRect(link, &client);
    FillRect(dc, &client, BackgroundBrush(link, dc));
    if (!state) return;
    HGDIOBJ oldFont = state->font ? SelectObject(dc, state->font) : nullptr;
    // The caption colour is the link's own, whatever the parent set.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourOf(*state));
    std::wstring caption = WindowText(link);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &client,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (oldFont) SelectObject(dc, oldFont);
}

// The pointer over the link sets the hover flag and takes the mouse, so the
// link sees the pointer leave; leaving clears the flag and lets the mouse go.
void OnMouseMove(HWND link, HyperlinkState& state, LPARAM lParam) {
    if (!state.hover) {
        state.hover = true;
        SetCapture(link);
        Redraw(link);
        return;
    }
    RECT client;
    GetClientRect(link, &client);
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (!PtInRect(&client, point)) {
        state.hover = false;
        ReleaseCapture();
        Redraw(link);
    } else if (GetCapture() != link) {
        SetCapture(link);
    }
}

// A press opens the target; the visited flag takes the outcome, so a failed
// attempt clears an earlier success.
void OnPressed(HWND link, HyperlinkState& state) {
    state.visited = OpenHyperlinkTarget(state.target);
    if (state.visited) Redraw(link);
}

LRESULT CALLBACK HyperlinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    HyperlinkState* state = StateOf(link);
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrA(link, kStateOffset, reinterpret_cast<LONG_PTR>(new HyperlinkState));
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(link, kStateOffset, 0);
            delete state;
            break;
        case WM_MOUSEMOVE:
            if (state) OnMouseMove(link, *state, lParam);
            return 0;
        case WM_LBUTTONDOWN:
            if (state) OnPressed(link, *state);
            return 0;
        case WM_SETFONT:
            if (state) state->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) Redraw(link);
            return 0;
        case WM_GETFONT:
            return state ? reinterpret_cast<LRESULT>(state->font) : 0;
        case WM_SETTEXT: {
            LRESULT result = DefWindowProcW(link, message, wParam, lParam);
            Redraw(link);
            return result;
        }
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the whole client area
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(link, &paint);
            Paint(link, dc);
            EndPaint(link, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(link, reinterpret_cast<HDC>(wParam));
            return 0;
    }
    return DefWindowProcW(link, message, wParam, lParam);
}

}  // namespace

bool RegisterHyperlinkClass(HINSTANCE instance) {
    // A wide class: its windows keep their captions as wide text.
    const std::wstring className = WideProgramText(kHyperlinkClassName);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = HyperlinkProc;
    windowClass.cbWndExtra = sizeof(HyperlinkState*);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className.c_str();
    if (RegisterClassExW(&windowClass)) return true;
    return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void SetHyperlinkTarget(HWND link, std::string_view address) {
    HyperlinkState* state = LinkStateOf(link);
    if (!state) return;
    // A text ends at its first zero byte.
    state->target.assign(address.substr(0, address.find('\0')));
}

COLORREF HyperlinkCaptionColour(HWND link) {
    HyperlinkState* state = LinkStateOf(link);
    return state ? ColourOf(*state) : kHyperlinkNormalColour;
}

}  // namespace keyloom
