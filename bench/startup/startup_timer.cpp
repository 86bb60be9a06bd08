// Times one start of a program: from process creation until its window is
// shown with its content, then reads its peak memory, closes it and prints
// "<milliseconds> <peak working set KiB>".
//   startup_timer list <rows> <program> [arguments]   (its list view holds the rows)
//   startup_timer notepad <chars> notepad.exe env     (its edit box holds the text)
// With "keyloom" in place of "list" it also adds one hotkey through the
// edit panel and closes the window with Esc, and prints
// "<shown ms> <add ms> <exit ms> <peak working set KiB>".
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Control ids follow the control table: 1000 plus the row.
constexpr int kKeyBox = 1006;
constexpr int kCommandBox = 1005;
constexpr int kConfirmButton = 1009;
constexpr int kPanelGroup = 1012;
constexpr int kCountLabel = 1017;

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

double Since(const LARGE_INTEGER& begin) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// True once the program's window shows everything it should.
bool Ready(bool list, long expected, HWND window) {
    if (list) {
        HWND view = FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr);
        return view && SendMessageA(view, LVM_GETITEMCOUNT, 0, 0) >= expected;
    }
    HWND edit = FindWindowExA(window, nullptr, "Edit", nullptr);
    return edit && SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) >= expected;
}

// One hotkey added as a user would with the panel open: the panel shown,
// key and command typed, 按钮_确认 clicked; done when the save has written
// the file and the program waits for input again. The save runs beside the
// window, so an idle window alone does not say it is done: the count label
// shows the new count only once the file is written.
void AddOneHotkey(HWND window, HANDLE process, long rowsBefore) {
    RECT rect;
    GetWindowRect(window, &rect);
    SetWindowPos(window, nullptr, 0, 0, 610, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND panel = GetDlgItem(window, kPanelGroup);
    SendMessageA(GetDlgItem(panel, kKeyBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("CF12"));
    SendMessageA(GetDlgItem(panel, kCommandBox), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("zoom world"));
    WaitForInputIdle(process, 30000);
    LARGE_INTEGER begin;
    QueryPerformanceCounter(&begin);
    SendMessageA(GetDlgItem(panel, kConfirmButton), BM_CLICK, 0, 0);
    for (;;) {
        WaitForInputIdle(process, 30000);
        char count[32] = "";
        GetWindowTextA(GetDlgItem(window, kCountLabel), count, sizeof count);
        if (std::atol(count) == rowsBefore + 1 || Since(begin) > 60000) break;
        Sleep(1);
    }
    std::printf("%.1f ", Since(begin));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    const bool keyloom = std::strcmp(argv[1], "keyloom") == 0;
    const bool list = keyloom || std::strcmp(argv[1], "list") == 0;
    const long expected = std::atol(argv[2]);
    std::string commandLine;
    for (int i = 3; i < argc; ++i) commandLine += std::string(i > 3 ? " " : "") + argv[i];
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER begin;
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 3;
    }
    Search search = {process.dwProcessId, nullptr};
    for (;;) {
        search.found = nullptr;
        EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found && Ready(list, expected, search.found)) break;
        if (Since(begin) > 120000) return 4;
        Sleep(1);
    }
    std::printf("%.1f ", Since(begin));
    if (keyloom) AddOneHotkey(search.found, process.hProcess, expected);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    // Esc, as a user closes it; the window's own key handling takes it.
    LARGE_INTEGER closing;
    QueryPerformanceCounter(&closing);
    if (keyloom) {
        PostMessageA(search.found, WM_KEYDOWN, VK_ESCAPE, 1);
    } else {
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    if (keyloom) std::printf("%.1f ", Since(closing));
    std::printf("%llu\n", static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
    return 0;
}
