#include "platform/classes_root.h"

#include <windows.h>

#include <vector>

namespace keyloom {

namespace {

// The string up to its first zero byte: registry strings need not end in one.
std::string TextUpToZero(const std::vector<char>& bytes, DWORD size) {
    std::string text(bytes.data(), size);
    std::size_t zero = text.find('\0');
    if (zero != std::string::npos) text.resize(zero);
    return text;
}

std::string ExpandVariables(const std::string& text) {
    std::vector<char> buffer(text.size() + 1);
    for (;;) {
        DWORD needed = ExpandEnvironmentStringsA(text.c_str(), buffer.data(),
                                                 static_cast<DWORD>(buffer.size()));
        if (needed == 0) return text;
        if (needed <= buffer.size()) return std::string(buffer.data());
        buffer.resize(needed);
    }
}

}  // namespace

bool ReadClassesRootDefault(const char* subKey, std::string* value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<char> bytes(256);
    DWORD type = 0;
    LONG status;
    DWORD size;
    // The value may grow between the calls; ask again until it fits.
    do {
        size = static_cast<DWORD>(bytes.size());
        status = RegQueryValueExA(key, nullptr, nullptr, &type,
                                  reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (status == ERROR_MORE_DATA) bytes.resize(size + 1);
    } while (status == ERROR_MORE_DATA);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;

    std::string text = TextUpToZero(bytes, size);
    *value = type == REG_EXPAND_SZ ? ExpandVariables(text) : text;
    return true;
}

}  // namespace keyloom
