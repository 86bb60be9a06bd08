#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <vector>

#include "core/wide_path.h"

namespace keyloom {
namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongSharePrefix = L"\\\\?\\UNC\\";

// The full path: relative parts and "." and ".." worked out, slashes made
// backslashes. Empty when the system cannot tell it.
std::wstring FullPath(const std::wstring& path) {
    std::vector<wchar_t> full(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return {};
        if (length < full.size()) return std::wstring(full.data(), length);
        full.resize(length + 1);
    }
}

}  // namespace

std::wstring WideText(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

std::string Utf8Text(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring WidePath(std::string_view path) {
    std::wstring wide = WideText(path);
    if (wide.empty()) return {};
    for (wchar_t& c : wide) {
        if (c == L'/') c = L'\\';
    }
    // \\?\ and \\.\ paths are handed on as they are: the system no longer
    // works out their parts.
    if (wide.rfind(kLongPrefix, 0) == 0 || wide.rfind(L"\\\\.\\", 0) == 0) return wide;
    const std::wstring full = FullPath(wide);
    if (full.size() >= 2 && full[0] == L'\\' && full[1] == L'\\') {
        return std::wstring(kLongSharePrefix) + full.substr(2);
    }
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') {
        return std::wstring(kLongPrefix) + full;
    }
    // Anything else (a device name, say) goes as the system made it.
    return full.empty() ? wide : full;
}

}  // namespace keyloom
