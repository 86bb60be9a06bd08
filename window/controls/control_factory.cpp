#include "window/controls/control_factory.h"

#include <iterator>

#include <commctrl.h>

#include <string>

#include "platform/program_text.h"
#include "window/controls/app_cursor.h"
#include "window/controls/control_cursor.h"
#include "window/controls/control_table.h"
#include "window/controls/dpi_layout.h"
#include "window/controls/fonts.h"
#include "window/controls/group_box.h"
#include "window/controls/hyperlink.h"
#include "window/controls/logo_picture.h"
#include "window/memo/memo_box.h"

namespace keyloom {

namespace {

void SetUpHotkeyList(HWND list) {
    // Grid lines and full-row selection; no header drag and drop, so the
    // header is not draggable, and its items stay buttons (no
    // LVS_NOSORTHEADER).
    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    SetWindowLongA(header, GWL_STYLE, GetWindowLongA(header, GWL_STYLE) & ~HDS_DRAGDROP);
    // Black on white whatever the system colours are.
    SendMessageA(list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    struct Column {
        const char* title;
        int width;
        int format;
    };
    // The three fit the list's width beside its vertical scroll bar.
    const Column columns[] = {
        {"  快捷键", 72, LVCFMT_LEFT}, {"功能定义", 170, LVCFMT_CENTER}, {"类型", 56, LVCFMT_LEFT}};
    for (int i = 0; i < static_cast<int>(std::size(columns)); ++i) {
        // The titles are the program's texts, the cells the env file's.
        std::wstring title = WideProgramText(columns[i].title);
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = columns[i].format;
        column.cx = ScaledToWindow(columns[i].width);
        column.pszText = title.data();
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

// The env file's controls are ANSI windows; the others are wide windows, so their captions keep
// their characters on any code page (class names are ASCII, which code page 936 leaves as it is).
HWND CreateControlWindow(const ControlSpec& spec, HWND parent) {
    const DWORD style = WS_CHILD | WS_VISIBLE | spec.style | (spec.tabOrder > 0 ? WS_TABSTOP : 0);
    // The multi-line edit box is one of our own, which lays out any text
    // at once.
    const char* className =
        IsMultiLineEdit(spec) ? kMemoClassName : ControlClassName(static_cast<int>(spec.kind));
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id));
    const RECT rect = ScaledControlRect(spec, MainWindowDpi());
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (HoldsEnvText(spec.kind)) {
        return CreateWindowExA(spec.exStyle, className, spec.caption, style, rect.left, rect.top,
                               width, height, parent, id, GetModuleHandleA(nullptr), nullptr);
    }
    return CreateWindowExW(spec.exStyle, WideProgramText(className).c_str(),
                           WideProgramText(spec.caption).c_str(), style, rect.left, rect.top, width,
                           height, parent, id, GetModuleHandleW(nullptr), nullptr);
}

HWND CreateControl(const ControlSpec& spec, HWND parent) {
    HWND control = CreateControlWindow(spec, parent);
    if (!control) return nullptr;
    SendMessageA(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(ControlFont(MainWindowFonts(), spec)), FALSE);
    switch (spec.kind) {
        case ControlKind::GroupBox:
            ForwardGroupBoxMessages(control);
            break;
        case ControlKind::ListView:
            SetUpHotkeyList(control);
            break;
        case ControlKind::Edit:
            // No length limit: the edit box's own stops at 30,000
            // characters, and a longer command would be saved cut.
            if (!IsMultiLineEdit(spec)) SendMessageA(control, EM_SETLIMITTEXT, 0, 0);
            break;
        case ControlKind::Hyperlink:
            SetHyperlinkTarget(control, kAdvertisementAddress);
            SetControlCursor(control, AppCursor());
            break;
        case ControlKind::Picture:
            // The class was registered before the window's DPI was known.
            SetClassLongPtrA(control, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(AppCursor()));
            break;
        case ControlKind::RadioButton:
            // No kind word of the pointer pass names a radio button: it has
            // the program's pointer from here. The first of a group starts
            // checked, so the group always shows a choice.
            SetControlCursor(control, AppCursor());
            if (spec.style & WS_GROUP) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
            break;
        default:
            break;
    }
    return control;
}

}  // namespace

const char* ControlClassName(int kind) {
    switch (static_cast<ControlKind>(kind)) {
        case ControlKind::Label:
            return "STATIC";
        case ControlKind::Button:
        case ControlKind::GroupBox:
        case ControlKind::RadioButton:
            return "BUTTON";
        case ControlKind::Edit:
            return "EDIT";
        case ControlKind::ListView:
            return WC_LISTVIEWA;
        case ControlKind::Picture:
            return kPictureClassName;
        case ControlKind::Hyperlink:
            return kHyperlinkClassName;
        case ControlKind::Timer:
        case ControlKind::Unknown:
            break;
    }
    return nullptr;
}

bool CreateControls(HWND mainWindow, HWND* windows) {
    // The window's own controls first, so that every group box exists
    // before the controls inside it.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < kControlCount; ++i) {
            const ControlSpec& spec = kControls[i];
            bool inGroup = spec.parent != kMainWindowItself;
            if (spec.kind == ControlKind::Timer || inGroup != (pass == 1)) continue;
            HWND parent = inGroup ? windows[ControlIndexOfId(spec.parent)] : mainWindow;
            if (!parent) return false;
            windows[i] = CreateControl(spec, parent);
            if (!windows[i]) return false;
        }
    }
    return true;
}

}  // namespace keyloom
