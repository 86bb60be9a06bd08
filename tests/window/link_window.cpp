#include "tests/window/link_window.h"

#include <algorithm>

#include "window/controls/hyperlink.h"

namespace keyloom::test {

namespace {

constexpr const char* kParentClass = "KeyloomLinkTestParent";

void RegisterParentClass(HINSTANCE instance) {
    WNDCLASSEXA parentClass{};
    parentClass.cbSize = sizeof(parentClass);
    parentClass.lpfnWndProc = DefWindowProcA;
    parentClass.hInstance = instance;
    parentClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    parentClass.lpszClassName = kParentClass;
    RegisterClassExA(&parentClass);
}

}  // namespace

HFONT CreateLinkFont(int height) {
    // Without antialiasing every pixel of a glyph has the caption colour.
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, nullptr);
}

LinkWindow::LinkWindow() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterParentClass(instance);
    RegisterHyperlinkClass(instance);
    parent_ = CreateWindowExA(0, kParentClass, "Keyloom link test", WS_OVERLAPPEDWINDOW, 40, 40,
                              300, 340, nullptr, nullptr, instance, nullptr);
    link_ = CreateWindowExA(0, kHyperlinkClassName, kAdvertisementCaption, WS_CHILD | WS_VISIBLE, 8,
                            272, 192, 24, parent_, nullptr, instance, nullptr);
    font_ = CreateLinkFont();
    SendMessageA(link_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetHyperlinkTarget(link_, kAdvertisementAddress);
    ShowWindow(parent_, SW_SHOWNOACTIVATE);
    UpdateWindow(parent_);
}

LinkWindow::~LinkWindow() {
    if (GetCapture() == link_) ReleaseCapture();
    DestroyWindow(parent_);
    DeleteObject(font_);
}

void LinkWindow::MoveTo(int x, int y) const {
    SendMessageA(link_, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void LinkWindow::Press(int x, int y) const {
    SendMessageA(link_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

int Drawing::Count(COLORREF colour) const {
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

int Drawing::RowsWith(COLORREF colour) const {
    int rows = 0;
    for (int y = 0; y < height; ++y) {
        auto row = pixels.begin() + y * width;
        if (std::find(row, row + width, colour) != row + width) ++rows;
    }
    return rows;
}

Drawing DrawClientArea(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    Drawing drawing;
    drawing.width = client.right;
    drawing.height = client.bottom;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = drawing.width;
    info.bmiHeader.biHeight = -drawing.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();

    const auto* bgrx = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < drawing.width * drawing.height; ++i) {
        drawing.pixels.push_back(RGB(bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return drawing;
}

}  // namespace keyloom::test
