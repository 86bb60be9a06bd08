#include "window/text_box.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/dpi.h"
#include "platform/program_text.h"
#include "window/controls/fonts.h"
#include "window/memo/memo_box.h"

namespace keyloom {

namespace {

// The box's size and the space around its parts at 96 DPI.
constexpr int kWidth = 600;
constexpr int kHeight = 440;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMemoId = 100;

struct TextBoxState {
    std::string text;
    // The windows disabled while the box is up, enabled again before it
    // goes, so that one of them can become active then.
    std::vector<HWND> disabled;
    WindowFonts fonts;
};

BOOL CALLBACK DisableTopLevel(HWND window, LPARAM state) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        reinterpret_cast<TextBoxState*>(state)->disabled.push_back(window);
    }
    return TRUE;
}

void EnableAgain(TextBoxState& state) {
    for (HWND window : state.disabled) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    state.disabled.clear();
}

// Sizes the box for its DPI, no larger than the screen's work area, in its
// middle; then places the content box and the button in it.
void LayOut(HWND box, unsigned dpi) {
    RECT work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int workWidth = work.right - work.left;
    const int workHeight = work.bottom - work.top;
    const int width = std::min(ScaledForDpi(kWidth, dpi), workWidth);
    const int height = std::min(ScaledForDpi(kHeight, dpi), workHeight);
    SetWindowPos(box, nullptr, work.left + (workWidth - width) / 2,
                 work.top + (workHeight - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(box, &client);
    const int margin = ScaledForDpi(kMargin, dpi);
    const int buttonWidth = ScaledForDpi(kButtonWidth, dpi);
    const int buttonHeight = ScaledForDpi(kButtonHeight, dpi);
    const int buttonTop = std::max<int>(0, client.bottom - margin - buttonHeight);
    MoveWindow(GetDlgItem(box, IDOK), (client.right - buttonWidth) / 2, buttonTop, buttonWidth,
               buttonHeight, FALSE);
    MoveWindow(GetDlgItem(box, kMemoId), margin, margin,
               std::max<int>(1, client.right - 2 * margin),
               std::max<int>(1, buttonTop - 2 * margin), FALSE);
}

void SetUp(HWND box, TextBoxState& state) {
    SetWindowLongPtrW(box, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const unsigned dpi = WindowDpi(box);
    state.fonts = MakeWindowFonts(dpi);
    HWND memo = CreateWindowExA(
        WS_EX_CLIENTEDGE, kMemoClassName, "",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 1, 1,
        box, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMemoId)), instance, nullptr);
    HWND button =
        CreateWindowExW(0, L"BUTTON", WideProgramText("确定").c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 1, 1, box,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance, nullptr);
    SendMessageW(memo, WM_SETFONT, reinterpret_cast<WPARAM>(state.fonts.memo), FALSE);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(state.fonts.gui), FALSE);
    LayOut(box, dpi);
    // Laid out once, at its final width.
    SetMemoText(memo, std::move(state.text));
    SetFocus(memo);
}

INT_PTR CALLBACK TextBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<TextBoxState*>(GetWindowLongPtrW(box, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetUp(box, *reinterpret_cast<TextBoxState*>(lParam));
            // The focus is set: the dialog manager leaves it.
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                if (state) EnableAgain(*state);
                EndDialog(box, IDOK);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

// A dialog template with no controls, only the box's style and title; the
// parts are made when the box is set up.
std::vector<WORD> BoxTemplate(const char* title) {
    const std::wstring wideTitle = WideProgramText(title ? title : "");
    DLGTEMPLATE head = {};
    head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    std::vector<WORD> words(sizeof head / sizeof(WORD));
    std::memcpy(words.data(), &head, sizeof head);
    words.push_back(0);  // no menu
    words.push_back(0);  // the dialog class
    words.insert(words.end(), wideTitle.begin(), wideTitle.end());
    words.push_back(0);
    return words;
}

}  // namespace

void ShowTextBoxWindow(std::string text, const char* title) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Registered with the main window; here too for a program without one.
    RegisterMemoClass(instance);
    TextBoxState state;
    state.text = std::move(text);
    // Modal to the whole application, as a message box without an owner
    // is: every window of the thread is disabled while it is up.
    EnumThreadWindows(GetCurrentThreadId(), DisableTopLevel, reinterpret_cast<LPARAM>(&state));
    const std::vector<WORD> dialog = BoxTemplate(title);
    DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), nullptr,
                            TextBoxProc, reinterpret_cast<LPARAM>(&state));
    EnableAgain(state);
    DeleteWindowFonts(state.fonts);
}

}  // namespace keyloom
