#include "skin_draw.h"

void FillSolid(HDC dc, const RECT& rc, COLORREF colour) {
    // ExtTextOut with an opaque rectangle fills without creating a brush.
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void FillGradient(HDC dc, const RECT& rc, COLORREF top, COLORREF bottom) {
    const int height = rc.bottom - rc.top;
    if (height <= 0 || rc.right <= rc.left) return;
    for (int y = 0; y < height; ++y) {
        const int d = height > 1 ? height - 1 : 1;
        auto mix = [&](int a, int b) { return (a * (d - y) + b * y + d / 2) / d; };
        const COLORREF c =
            RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
                mix(GetBValue(top), GetBValue(bottom)));
        const RECT line = {rc.left, rc.top + y, rc.right, rc.top + y + 1};
        FillSolid(dc, line, c);
    }
}

namespace {

HRGN CreateFaceRegion(const RECT& rc, int radius) {
    if (radius <= 0) return CreateRectRgn(rc.left, rc.top, rc.right, rc.bottom);
    // RoundRect regions exclude their right and bottom edge: grow by one.
    return CreateRoundRectRgn(rc.left, rc.top, rc.right + 1, rc.bottom + 1, radius * 2, radius * 2);
}

}  // namespace

void FillRoundFace(HDC dc, const RECT& rc, int radius, COLORREF top, COLORREF bottom) {
    HRGN face = CreateFaceRegion(rc, radius);
    if (face == nullptr) {
        FillGradient(dc, rc, top, bottom);
        return;
    }
    const int saved = SaveDC(dc);
    ExtSelectClipRgn(dc, face, RGN_AND);
    FillGradient(dc, rc, top, bottom);
    RestoreDC(dc, saved);
    DeleteObject(face);
}

void FrameRound(HDC dc, const RECT& rc, int radius, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush == nullptr) return;
    if (radius <= 0) {
        FrameRect(dc, &rc, brush);
    } else if (HRGN face = CreateFaceRegion(rc, radius)) {
        FrameRgn(dc, face, brush, 1, 1);
        DeleteObject(face);
    }
    DeleteObject(brush);
}

BufferedDc::BufferedDc(HDC target, const RECT& rc) : target_(target), rc_(rc) {
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0) return;
    memory_ = CreateCompatibleDC(target);
    if (memory_ == nullptr) return;
    bitmap_ = CreateCompatibleBitmap(target, w, h);
    if (bitmap_ == nullptr) {
        DeleteDC(memory_);
        memory_ = nullptr;
        return;
    }
    oldBitmap_ = SelectObject(memory_, bitmap_);
    SetViewportOrgEx(memory_, -rc.left, -rc.top, nullptr);
}

BufferedDc::~BufferedDc() {
    if (memory_ == nullptr) return;
    SetViewportOrgEx(memory_, 0, 0, nullptr);
    BitBlt(target_, rc_.left, rc_.top, rc_.right - rc_.left, rc_.bottom - rc_.top, memory_, 0, 0,
           SRCCOPY);
    SelectObject(memory_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
}
