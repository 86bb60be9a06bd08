#include "skin_test_support.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "skin_format.h"

namespace {

constexpr int kRedLabelId = 1002;

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Like the program's main window: one label gets red text on the
    // system's button-face background.
    if (msg == WM_CTLCOLORSTATIC && GetDlgCtrlID(reinterpret_cast<HWND>(lp)) == kRedLabelId) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, kRedText);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// Paints itself: button-face background and a blue line, like a hyperlink.
LRESULT CALLBACK LinkProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, "link", -1, &rc, DT_SINGLELINE | DT_VCENTER);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void RegisterClasses() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "KeyloomSkinTestWindow";
    RegisterClassA(&wc);
    wc.lpfnWndProc = LinkProc;
    wc.lpszClassName = "KeyloomSkinTestLink";
    RegisterClassA(&wc);
}

HWND Child(const char* cls, const char* text, DWORD style, DWORD exStyle, int x, int y, int w,
           int h, HWND parent, int id = 0) {
    HWND hwnd = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return hwnd;
}

std::string ExeFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

}  // namespace

SkinLibrary LoadSkinLibrary() {
    SkinLibrary lib;
    lib.module = LoadLibraryA((ExeFolder() + "SkinH_EL.dll").c_str());
    if (lib.module == nullptr) return lib;
    lib.attachRes = reinterpret_cast<AttachResFn>(
        reinterpret_cast<void*>(GetProcAddress(lib.module, "SkinH_AttachRes")));
    lib.setAero = reinterpret_cast<SetAeroFn>(
        reinterpret_cast<void*>(GetProcAddress(lib.module, "SkinH_SetAero")));
    return lib;
}

int Attach(const SkinLibrary& lib, const std::string& skin, int hue, int saturation,
           int brightness) {
    return lib.attachRes(reinterpret_cast<const unsigned char*>(skin.data()),
                         static_cast<int>(skin.size()), "", hue, saturation, brightness);
}

std::string ReadShippedSkin(int index) {
    char path[MAX_PATH];
    std::snprintf(path, sizeof(path), "%s/skin%02d.ksk", KEYLOOM_SKIN_DIR, index);
    HANDLE file =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

std::string FlatTestSkin() {
    return "KEYLOOM-SKIN 1\n"
           "name = Test Flat\n"
           "button.radius = 0\n"
           "group.radius = 0\n"
           "window = #C8D2DC\n"
           "text = #102030\n"
           "frame.outer = #101010\n"
           "frame.inner = #5060A0\n"
           "caption.top = #2050B0\n"
           "caption.bottom = #2050B0\n"
           "caption.text = #FFFFF0\n"
           "caption.inactive.top = #9098A0\n"
           "caption.inactive.bottom = #9098A0\n"
           "caption.inactive.text = #303030\n"
           "caption.glyph = #F0F0FF\n"
           "button.top = #40A0E0\n"
           "button.bottom = #40A0E0\n"
           "button.hover.top = #E0A040\n"
           "button.hover.bottom = #E0A040\n"
           "button.pressed.top = #80E040\n"
           "button.pressed.bottom = #80E040\n"
           "button.frame = #202080\n"
           "button.text = #000010\n"
           "group.frame = #A02060\n"
           "edit.border = #20A060\n"
           "edit.inner = #F0E0D0\n"
           "list.border = #6020A0\n"
           "header.top = #D0C040\n"
           "header.bottom = #D0C040\n"
           "header.pressed.top = #4060D0\n"
           "header.pressed.bottom = #4060D0\n"
           "header.separator = #303030\n"
           "header.text = #000000\n"
           "end\n";
}

TestWindow CreateTestWindow(int x, int y) {
    RegisterClasses();
    TestWindow w;
    w.top = CreateWindowExA(0, "KeyloomSkinTestWindow", "皮肤测试 Skin",
                            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 420,
                            330, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    w.button = Child("Button", "添加", BS_PUSHBUTTON, 0, 10, 10, 80, 40, w.top);
    w.group = Child("Button", "添加快捷键", BS_GROUPBOX, 0, 100, 10, 150, 100, w.top);
    w.groupLabel = Child("Static", "快捷键：", SS_LEFT, 0, 10, 30, 100, 20, w.group);
    w.label = Child("Static", "快捷键总数：", SS_LEFT | SS_NOPREFIX, 0, 10, 60, 80, 20, w.top);
    w.redLabel = Child("Static", "12", SS_LEFT, 0, 10, 85, 80, 20, w.top, kRedLabelId);
    w.edit = Child("Edit", "F1", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 10, 120, 120, 24, w.top);
    w.list = Child(WC_LISTVIEWA, "", LVS_REPORT | LVS_SINGLESEL, WS_EX_CLIENTEDGE, 150, 120, 230,
                   130, w.top);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = 80;
    column.pszText = const_cast<char*>("  快捷键");
    SendMessageA(w.list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    column.fmt = LVCFMT_CENTER;
    column.cx = 100;
    column.pszText = const_cast<char*>("功能定义");
    SendMessageA(w.list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    w.header = reinterpret_cast<HWND>(SendMessageA(w.list, LVM_GETHEADER, 0, 0));
    w.link = Child("KeyloomSkinTestLink", "", 0, 0, 10, 270, 150, 20, w.top);
    return w;
}

void DestroyTestWindow(TestWindow& w) {
    if (w.top) DestroyWindow(w.top);
    w = TestWindow{};
    PumpMessages(20);
}

void AddListRow(HWND list, const char* key, const char* command) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(key);
    const int row =
        static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(command);
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

WNDPROC LinkClassProc() {
    return LinkProc;
}

void PumpMessages(int ms) {
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool MovePointer(int x, int y) {
    int settled = 0;
    for (int i = 0; i < 40 && settled < 3; ++i) {
        POINT p;
        GetCursorPos(&p);
        if (p.x == x && p.y == y) {
            ++settled;
        } else {
            settled = 0;
            SetCursorPos(x, y);
        }
        PumpMessages(30);
    }
    return settled >= 3;
}

bool MovePointerAway() {
    RECT desktop;
    if (!GetWindowRect(GetDesktopWindow(), &desktop)) return false;
    return MovePointer(desktop.left + 5, desktop.bottom - 5);
}

void ShowAndPaint(HWND top) {
    ShowWindow(top, SW_SHOW);
    UpdateWindow(top);
    PumpMessages(150);
}

namespace {

// Wine reads black, not CLR_INVALID, outside the desktop, and the desktop can
// be smaller than the X screen: a Wine virtual desktop opened earlier in the
// same Wine session leaves its size to every later program. A point off the
// desktop must not pass for a black pixel.
COLORREF ScreenPixel(POINT p) {
    RECT desktop;
    if (!GetWindowRect(GetDesktopWindow(), &desktop) || !PtInRect(&desktop, p)) {
        return CLR_INVALID;
    }
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

}  // namespace

COLORREF ScreenPixelOfClient(HWND hwnd, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(hwnd, &p);
    return ScreenPixel(p);
}

// Waits up to two seconds for a pixel to take a colour: Wine paints with a
// delay, the more so on a loaded machine.
COLORREF WaitForPixel(HWND hwnd, int x, int y, COLORREF wanted) {
    COLORREF c = ScreenPixelOfClient(hwnd, x, y);
    for (int i = 0; i < 40 && c != wanted; ++i) {
        PumpMessages(50);
        c = ScreenPixelOfClient(hwnd, x, y);
    }
    return c;
}

COLORREF ScreenPixelOfWindow(HWND hwnd, int x, int y) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return ScreenPixel(POINT{rc.left + x, rc.top + y});
}

COLORREF SkinColour(const std::string& skin, const char* key, int hue, int saturation,
                    int brightness) {
    SkinDef def;
    if (!ParseSkin(reinterpret_cast<const unsigned char*>(skin.data()), skin.size(), def)) {
        return CLR_INVALID;
    }
    def = AdjustSkin(def, hue, saturation, brightness);
    for (size_t i = 0; i < kSkinRoleCount; ++i) {
        if (std::strcmp(kSkinColourKeys[i], key) == 0) {
            const Rgb c = def.colours[i];
            return RGB(c.r, c.g, c.b);
        }
    }
    return CLR_INVALID;
}
