// A stand-in for SkinH_EL.dll with the same two exports, for process tests:
// it draws nothing and appends each call's arguments to skin_calls.txt in
// the folder of the program that loaded it.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string LogPath() {
    char path[4096];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "skin_calls.txt";
}

void Append(const std::string& line) {
    FILE* log = std::fopen(LogPath().c_str(), "ab");
    if (!log) return;
    std::fputs(line.c_str(), log);
    std::fputs("\n", log);
    std::fclose(log);
}

// FNV-1a, so the test can tell which bytes were handed over.
unsigned long long Fnv1a(const unsigned char* bytes, int size) {
    unsigned long long hash = 14695981039346656037ull;
    for (int i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

}  // namespace

extern "C" int WINAPI SkinH_AttachRes(const unsigned char* skin, int size, const char* password,
                                      int hue, int saturation, int brightness) {
    char line[256];
    std::snprintf(line, sizeof line, "attach null=%d size=%d hash=%llu password=%s %d %d %d",
                  skin == nullptr, size, skin && size > 0 ? Fnv1a(skin, size) : 0ull,
                  password == nullptr ? "null" : (password[0] ? "text" : "empty"), hue, saturation,
                  brightness);
    Append(line);
    return 1;
}

extern "C" int WINAPI SkinH_SetAero(int aero) {
    Append("aero " + std::to_string(aero));
    return 1;
}
