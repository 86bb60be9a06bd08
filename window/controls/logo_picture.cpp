#include "window/controls/logo_picture.h"

#include <ole2.h>
#include <olectl.h>

#include "platform/carried_resource.h"
#include "platform/resource_ids.h"
#include "window/controls/control_table.h"
#include "window/controls/event_bindings.h"
#include "window/controls/window_registry.h"

namespace keyloom {

namespace {

IPicture* gLogoPicture = nullptr;
bool gLogoTried = false;

// Decodes the carried JPEG once with the platform's decoder.
IPicture* LogoPicture() {
    if (gLogoTried) return gLogoPicture;
    gLogoTried = true;
    std::string_view jpeg = CarriedResource(IDR_LOGO_IMAGE);
    if (jpeg.empty()) return nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, jpeg.size());
    if (!memory) return nullptr;
    void* bytes = GlobalLock(memory);
    CopyMemory(bytes, jpeg.data(), jpeg.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    void* picture = nullptr;
    if (FAILED(OleLoadPicture(stream, static_cast<LONG>(jpeg.size()), FALSE, IID_IPicture,
                              &picture))) {
        picture = nullptr;
    }
    stream->Release();
    gLogoPicture = static_cast<IPicture*>(picture);
    return gLogoPicture;
}

void Paint(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    DrawLogo(dc, client);
}

LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            Paint(window, dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_LBUTTONDOWN: {
            // The press itself is the event; no release on the picture needed.
            int index = ControlIndexOfId(GetDlgCtrlID(window));
            if (index >= 0 && index < static_cast<int>(kControlCount)) {
                RaiseControlEvent(kControls[index].id, ControlEvent::LeftButtonDown);
            }
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterPictureClass(HINSTANCE instance, HCURSOR cursor) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = PictureProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kPictureClassName;
    return RegisterClassExA(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void DrawLogo(HDC dc, const RECT& rect) {
    IPicture* picture = LogoPicture();
    if (!picture) {
        FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    // The whole image into the whole rectangle, whatever the aspect ratio.
    picture->Render(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0,
                    height, width, -height, nullptr);
}

}  // namespace keyloom
