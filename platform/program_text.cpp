#include "platform/program_text.h"

#include <windows.h>

#include <algorithm>

namespace keyloom {

namespace {

constexpr UINT kProgramCodePage = 936;

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

std::wstring WideProgramText(std::string_view text) {
    return ToWide(kProgramCodePage, text);
}

std::wstring WideAnsiText(std::string_view text) {
    return ToWide(CP_ACP, text);
}

std::string ProgramTextFromWide(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(kProgramCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kProgramCodePage, 0, text.data(), size, bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

void WideProgramText(std::string_view text, wchar_t* out, std::size_t capacity) {
    if (capacity == 0) return;
    // No byte of code page 936 gives more than one UTF-16 unit, so a buffer
    // one longer than the text always holds it whole.
    const std::size_t size = std::min(text.size(), capacity - 1);
    const int length = MultiByteToWideChar(kProgramCodePage, 0, text.data(), static_cast<int>(size),
                                           out, static_cast<int>(capacity - 1));
    out[length > 0 ? length : 0] = L'\0';
}

}  // namespace keyloom
