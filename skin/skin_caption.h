#pragma once
// Geometry of a top-level window's frame and title bar, in window
// coordinates, laid out as the system lays them out for hit testing, so the
// skin's close and minimise glyphs sit where clicks land.
#include <windows.h>

struct CaptionLayout {
    RECT window{};   // the whole window, at 0, 0
    RECT client{};   // the client area
    RECT inside{};   // inside the frame
    RECT caption{};  // the title bar, without its bottom line
    RECT closeBox{};
    RECT maxBox{};
    RECT minBox{};
    bool hasClose = false;
    bool hasMinMax = false;  // minimise and maximise come as a pair
    bool closeEnabled = true;
    bool maxEnabled = false;
    bool minEnabled = false;
    UINT dpi = 96;  // the window's, which the metrics above are for
};

// False for windows without a full title bar, tool windows and minimised
// windows, which keep the system's own frame.
bool GetCaptionLayout(HWND hwnd, CaptionLayout& out);

// Draws frame and title bar on a DC whose origin is the window's top-left.
// With `fillFrame` the whole non-client area is painted (the system's frame
// is not drawn at all); without it only the frame ring and title bar are.
void PaintCaption(HWND hwnd, HDC dc, const CaptionLayout& layout, bool active, bool fillFrame);
