#include "window/controls/app_cursor.h"

#include <cstdint>
#include <vector>

#include "platform/carried_resource.h"
#include "platform/dpi.h"
#include "platform/resource_ids.h"
#include "window/controls/window_registry.h"

namespace keyloom {

namespace {

std::uint32_t ReadLittle(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// The pointers made so far, one per DPI, kept for the life of the process
// (a window moves between a few screens at most).
struct MadeCursor {
    unsigned dpi;
    HCURSOR cursor;
};
std::vector<MadeCursor> gMadeCursors;

HCURSOR MakeAppCursor(unsigned dpi) {
    std::string bits = CursorResourceBits(CarriedResource(IDR_APP_CURSOR));
    HICON made = nullptr;
    if (!bits.empty()) {
        // The 32-pixel image stretched to the size for the DPI; the hot
        // spot is scaled with it.
        const int size = ScaledForDpi(kAppCursorSize, dpi);
        made = CreateIconFromResourceEx(reinterpret_cast<BYTE*>(bits.data()),
                                        static_cast<DWORD>(bits.size()), FALSE, 0x00030000, size,
                                        size, 0);
    }
    return made ? static_cast<HCURSOR>(made) : LoadCursorA(nullptr, IDC_ARROW);
}

}  // namespace

std::string CursorResourceBits(std::string_view file) {
    // A 6-byte header (reserved 0, type 2 = cursor, image count), then one
    // 16-byte entry per image: size, colours, hot spot x and y, byte count
    // and offset of the image.
    constexpr std::size_t kHeader = 6, kEntry = 16;
    if (file.size() < kHeader + kEntry) return {};
    if (ReadLittle(file, 0, 2) != 0 || ReadLittle(file, 2, 2) != 2 || ReadLittle(file, 4, 2) == 0)
        return {};
    std::uint32_t hotX = ReadLittle(file, kHeader + 4, 2);
    std::uint32_t hotY = ReadLittle(file, kHeader + 6, 2);
    std::uint32_t size = ReadLittle(file, kHeader + 8, 4);
    std::uint32_t offset = ReadLittle(file, kHeader + 12, 4);
    if (size < 40 || offset > file.size() || size > file.size() - offset) return {};
    std::string bits;
    bits.reserve(4 + size);
    bits += static_cast<char>(hotX & 0xFF);
    bits += static_cast<char>(hotX >> 8);
    bits += static_cast<char>(hotY & 0xFF);
    bits += static_cast<char>(hotY >> 8);
    bits.append(file.substr(offset, size));
    return bits;
}

HCURSOR AppCursorForDpi(unsigned dpi) {
    for (const MadeCursor& made : gMadeCursors) {
        if (made.dpi == dpi) return made.cursor;
    }
    gMadeCursors.push_back({dpi, MakeAppCursor(dpi)});
    return gMadeCursors.back().cursor;
}

HCURSOR AppCursor() {
    HWND window = MainWindow();
    return AppCursorForDpi(window ? WindowDpi(window) : SystemDpi());
}

}  // namespace keyloom
