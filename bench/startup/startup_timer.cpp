// Times one start of a program: from process creation until its window is
// shown with its content, then reads its peak memory, closes it and prints
// "<milliseconds> <peak working set KiB>".
//   startup_timer keyloom <rows> keyloom.exe
//   startup_timer floor floor_window.exe
//   startup_timer notepad <chars> notepad.exe env
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleTopLevel(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// True once the program's window shows everything it should.
bool Ready(const char* kind, long expected, HWND window) {
    if (std::strcmp(kind, "floor") == 0) return true;
    if (std::strcmp(kind, "keyloom") == 0) {
        // 超级列表框1 is control id 1019 (its row in the control table).
        HWND list = GetDlgItem(window, 1019);
        return list && SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) >= expected;
    }
    HWND edit = FindWindowExA(window, nullptr, "Edit", nullptr);
    return edit && SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) >= expected;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const char* kind = argv[1];
    bool counted = std::strcmp(kind, "floor") != 0;
    long expected = counted ? std::atol(argv[2]) : 0;
    int first = counted ? 3 : 2;
    std::string commandLine;
    for (int i = first; i < argc; ++i) commandLine += std::string(i > first ? " " : "") + argv[i];
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, begin, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 3;
    }
    Search search = {process.dwProcessId, nullptr};
    for (;;) {
        search.found = nullptr;
        EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found && Ready(kind, expected, search.found)) break;
        QueryPerformanceCounter(&now);
        if (now.QuadPart - begin.QuadPart > frequency.QuadPart * 120) return 4;
        Sleep(1);
    }
    QueryPerformanceCounter(&now);
    double milliseconds = 1000.0 * (now.QuadPart - begin.QuadPart) / frequency.QuadPart;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    std::printf("%.1f %llu\n", milliseconds,
                static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
    return 0;
}
