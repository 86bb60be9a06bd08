// A visible test window holding one hyperlink control placed and styled as
// 超级链接框1 is, and the pixels the control draws.
#pragma once

#include <windows.h>

#include <vector>

namespace keyloom::test {

class LinkWindow {
public:
    LinkWindow();
    ~LinkWindow();
    LinkWindow(const LinkWindow&) = delete;
    LinkWindow& operator=(const LinkWindow&) = delete;

    HWND link() const { return link_; }
    HFONT font() const { return font_; }

    // Sends a mouse move with the pointer at x, y of the link's client area.
    void MoveTo(int x, int y) const;
    void Press(int x, int y) const;

private:
    HWND parent_ = nullptr;
    HWND link_ = nullptr;
    HFONT font_ = nullptr;
};

// The client area of a window as it draws itself (WM_PRINTCLIENT), one
// COLORREF per pixel, rows from the top.
struct Drawing {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[y * width + x]; }
    int Count(COLORREF colour) const;
    // Rows that hold at least one pixel of the colour.
    int RowsWith(COLORREF colour) const;
};

Drawing DrawClientArea(HWND window);

// The caption font of 超级链接框1 (10 pixels, weight 400, GB2312, no face),
// drawn without antialiasing so that colours can be read back exactly.
HFONT CreateLinkFont(int height = -10);

}  // namespace keyloom::test
