#pragma once
// Drawing primitives shared by the skinned controls.
#include <windows.h>

void FillSolid(HDC dc, const RECT& rc, COLORREF colour);

// Vertical gradient from `top` on the first row to `bottom` on the last.
void FillGradient(HDC dc, const RECT& rc, COLORREF top, COLORREF bottom);

// A gradient face with rounded corners (radius 0: square) and a one-pixel
// frame around it. Corners outside the rounding are left as they were.
void FillRoundFace(HDC dc, const RECT& rc, int radius, COLORREF top, COLORREF bottom);
void FrameRound(HDC dc, const RECT& rc, int radius, COLORREF colour);

// Draws into an off-screen bitmap and copies it to the target when done, so
// a control never shows half its face.
class BufferedDc {
public:
    BufferedDc(HDC target, const RECT& rc);
    ~BufferedDc();
    BufferedDc(const BufferedDc&) = delete;
    BufferedDc& operator=(const BufferedDc&) = delete;
    HDC Dc() const { return memory_ ? memory_ : target_; }

private:
    HDC target_;
    RECT rc_;
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};
