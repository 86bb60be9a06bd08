// LogoImage decoded by the platform and stretched over 图片框1.
#include <gtest/gtest.h>

#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "platform/carried_resource.h"
#include "platform/resource_ids.h"
#include "tests/window/window_fixture.h"
#include "window/controls/logo_picture.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

// Draws with DrawLogo into a 32-bit DIB of width by height; returns pixels.
std::vector<COLORREF> Render(int width, int height, HWND control = nullptr) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT rect = {0, 0, width, height};
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (control) {
        SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    } else {
        DrawLogo(dc, rect);
    }
    GdiFlush();
    std::vector<COLORREF> pixels(static_cast<const COLORREF*>(bits),
                                 static_cast<const COLORREF*>(bits) + width * height);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

TEST(LogoTest, CarriedJpegDecodesTo120By31) {
    std::string_view jpeg = CarriedResource(IDR_LOGO_IMAGE);
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
    // Decoded here as the picture control decodes it.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, jpeg.size());
    std::memcpy(GlobalLock(memory), jpeg.data(), jpeg.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(memory, TRUE, &stream), S_OK);
    void* loaded = nullptr;
    ASSERT_EQ(OleLoadPicture(stream, static_cast<LONG>(jpeg.size()), FALSE, IID_IPicture, &loaded),
              S_OK);
    stream->Release();
    auto* picture = static_cast<IPicture*>(loaded);
    OLE_HANDLE handle = 0;
    BITMAP bitmap = {};
    ASSERT_EQ(picture->get_Handle(&handle), S_OK);
    GetObjectA(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(handle)), sizeof bitmap, &bitmap);
    picture->Release();
    EXPECT_EQ(bitmap.bmWidth, 120);
    EXPECT_EQ(bitmap.bmHeight, 31);
}

TEST_F(MainWindowTest, PictureShowsTheWholeLogoStretchedTo96By24) {
    HWND picture = ControlWindow("图片框1");
    RECT client;
    GetClientRect(picture, &client);
    EXPECT_EQ(client.right, 96);
    EXPECT_EQ(client.bottom, 24);
    std::vector<COLORREF> shown = Render(96, 24, picture);
    std::vector<COLORREF> natural = Render(120, 31);
    // Stretched, not cropped: the four corners of the control show the
    // corners of the image (JPEG colours differ a little when scaled).
    auto similar = [](COLORREF a, COLORREF b) {
        auto channel = [](COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
        for (int shift : {0, 8, 16}) {
            if (std::abs(channel(a, shift) - channel(b, shift)) > 48) return false;
        }
        return true;
    };
    EXPECT_TRUE(similar(shown[0], natural[0]));
    EXPECT_TRUE(similar(shown[95], natural[119]));
    EXPECT_TRUE(similar(shown[23 * 96], natural[30 * 120]));
    EXPECT_TRUE(similar(shown[23 * 96 + 95], natural[30 * 120 + 119]));
    // Nothing of the white it was drawn on is left.
    int white = 0;
    for (COLORREF pixel : shown) white += (pixel & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_LT(white, 96 * 24 / 2);
}

}  // namespace
}  // namespace keyloom::test
