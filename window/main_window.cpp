#include "window/main_window.h"

#include <commctrl.h>
#include <ole2.h>

#include "platform/dpi.h"
#include "platform/resource_ids.h"
#include "window/controls/app_cursor.h"
#include "window/controls/control_factory.h"
#include "window/controls/dpi_layout.h"
#include "window/hotkey_list.h"
#include "window/hotkey_list_menu.h"
#include "window/controls/hyperlink.h"
#include "window/key_capture.h"
#include "window/controls/logo_picture.h"
#include "window/memo/memo_box.h"
#include "window/controls/window_registry.h"
#include "window/verb_choice.h"
#include "window/window_focus.h"
#include "window/window_ops.h"
#include "window/window_tasks.h"

namespace keyloom {

namespace {

const ControlSpec* SpecOfWindow(HWND control) {
    int index = ControlIndexOfId(GetDlgCtrlID(control));
    if (index < 0 || index >= static_cast<int>(kControlCount)) return nullptr;
    return ControlWindowAt(index) == control ? &kControls[index] : nullptr;
}

void OnCommand(WPARAM wParam, LPARAM lParam) {
    const ControlSpec* spec = SpecOfWindow(reinterpret_cast<HWND>(lParam));
    if (!spec) return;
    const WORD code = HIWORD(wParam);
    const bool clickable =
        spec->kind == ControlKind::Button || spec->kind == ControlKind::RadioButton;
    if (clickable && code == BN_CLICKED) {
        RaiseControlEvent(spec->id, ControlEvent::Clicked);
    } else if (spec->id == kKeyCaptureButton && code == BN_KILLFOCUS) {
        OnKeyCaptureButtonFocusLost();
    } else if (spec->id == kKeyBox && code == EN_CHANGE) {
        // The panel's own: the verb follows the key, a note goes.
        OnKeyBoxChanged();
        ClearKeyNote();
    }
}

void OnTimer(WPARAM timerId) {
    int index = ControlIndexOfId(static_cast<int>(timerId));
    if (index < 0 || index >= static_cast<int>(kControlCount)) return;
    if (kControls[index].kind == ControlKind::Timer) {
        RaiseControlEvent(kControls[index].id, ControlEvent::TimerTick);
    }
}

LRESULT OnCtlColorStatic(HDC dc, HWND control) {
    // Labels and group box captions: black on button face, the count red.
    const ControlSpec* spec = SpecOfWindow(control);
    SetTextColor(dc, CaptionTextColour(spec ? spec->id : 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void OnClose(HWND window) {
    // A bound handler decides (a save in progress finishes first).
    if (!RaiseWindowEvent(ControlEvent::CloseRequested)) DestroyWindow(window);
}

void OnDestroy() {
    ForgetWindowHandles();
    ForgetFocusedControl();
    ForgetTimerIntervals();
    ForgetWindowTasks();
    ForgetKeyCapture();
    ForgetVerbChoice();
    EndMainWindowLayout();
    RaiseWindowEvent(ControlEvent::Destroyed);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (RunWindowTask(window, message, wParam, lParam)) return 0;
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (AnswerHotkeyListNotification(*reinterpret_cast<const NMHDR*>(lParam), &result)) {
                return result;
            }
            break;
        }
        case WM_CONTEXTMENU:
            if (TakeListContextMenu(reinterpret_cast<HWND>(wParam), lParam)) {
                RaiseWindowEvent(ControlEvent::ListMenu);
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DPICHANGED:
            OnMainWindowDpiChanged(window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ACTIVATE:
            OnMainWindowActivate(window, wParam);
            if (LOWORD(wParam) != WA_INACTIVE) RaiseWindowEvent(ControlEvent::Activated);
            return 0;
        case WM_CLOSE:
            OnClose(window);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void PrepareMainWindowLayout() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The logo decoder is a COM object; initialised once for the thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP_ICON));
    windowClass.hCursor = AppCursor();
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClassName;
    RegisterClassExA(&windowClass);
    RegisterPictureClass(instance, AppCursor());
    RegisterHyperlinkClass(instance);
    RegisterMemoClass(instance);
}

HWND CreateMainWindow(BindingTable bindings) {
    UseBindings(bindings);
    // Centred on the full screen (not the work area) at the described size.
    int left = (GetSystemMetrics(SM_CXSCREEN) - kInitialWidth) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - kInitialHeight) / 2;
    HWND window = CreateWindowExA(0, kMainWindowClassName, kMainWindowTitle,
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left,
                                  top, kInitialWidth, kInitialHeight, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (!window) return nullptr;
    SetMainWindowHandle(window);
    BeginMainWindowLayout(window);
    if (MainWindowDpi() != kDefaultDpi) {
        // Centred again at the described size for the screen's DPI.
        const int width = ScaledToWindow(kInitialWidth);
        const int height = ScaledToWindow(kInitialHeight);
        SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetClassLongPtrA(window, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(AppCursor()));
    if (kControlCount > kMaxControls) {
        DestroyWindow(window);
        return nullptr;
    }
    if (!CreateControls(window, ControlWindowSlots())) {
        DestroyWindow(window);
        return nullptr;
    }
    return window;
}

COLORREF CaptionTextColour(int id) {
    return id == kCountLabel ? RGB(255, 0, 0) : RGB(0, 0, 0);
}

void RaiseMainWindowCreated() {
    RaiseWindowEvent(ControlEvent::Created);
}

}  // namespace keyloom
