#include "window/app_cursor.h"

#include <cstdint>

#include "platform/carried_resource.h"
#include "platform/resource_ids.h"

namespace keyloom {

namespace {

std::uint32_t ReadLittle(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
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

HCURSOR gAppCursor = nullptr;

HCURSOR AppCursor() {
    if (gAppCursor) return gAppCursor;
    std::string bits = CursorResourceBits(CarriedResource(IDR_APP_CURSOR));
    HICON made = nullptr;
    if (!bits.empty()) {
        made =
            CreateIconFromResourceEx(reinterpret_cast<BYTE*>(bits.data()),
                                     static_cast<DWORD>(bits.size()), FALSE, 0x00030000, 32, 32, 0);
    }
    gAppCursor = made ? static_cast<HCURSOR>(made) : LoadCursorA(nullptr, IDC_ARROW);
    return gAppCursor;
}

}  // namespace keyloom
