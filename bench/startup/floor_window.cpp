// The floor of the start-up benchmark: a bare Win32 program that shows one
// window whose report list view holds the hotkeys of an env file, read and
// split as plainly as can be, and runs a message loop until it is closed.
//   floor_window [env]
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string ReadAll(const char* path) {
    std::string bytes;
    FILE* file = std::fopen(path, "rb");
    if (!file) return bytes;
    char chunk[1 << 16];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
        bytes.append(chunk, got);
    }
    std::fclose(file);
    return bytes;
}

// The key and command of each "alias"/"funckey" line before the marker.
std::vector<std::pair<std::string, std::string>> Hotkeys(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> rows;
    std::size_t end = text.find("### User Preferences section");
    if (end == std::string::npos) end = text.size();
    for (std::size_t pos = 0; pos < end;) {
        std::size_t lineEnd = text.find('\n', pos);
        if (lineEnd == std::string::npos || lineEnd > end) lineEnd = end;
        std::string line = text.substr(pos, lineEnd - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        pos = lineEnd + 1;
        const std::size_t first = line.find(' ');
        if (first == std::string::npos) continue;
        const std::string word = line.substr(0, first);
        if (word != "alias" && word != "funckey") continue;
        const std::size_t second = line.find(' ', first + 1);
        rows.emplace_back(line.substr(first + 1, second - first - 1),
                          second == std::string::npos ? std::string() : line.substr(second + 1));
    }
    return rows;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "KeyloomFloor";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("KeyloomFloor", "Keyloom floor", WS_OVERLAPPEDWINDOW, 100, 100, 402,
                                325, nullptr, nullptr, instance, nullptr);
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, 8, 32, 320, 232,
                                window, nullptr, instance, nullptr);
    // The three columns of Keyloom's list: key, command, verb.
    char key[] = "key";
    char command[] = "command";
    char verb[] = "verb";
    char* titles[] = {key, command, verb};
    const int widths[] = {72, 170, 56};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = widths[i];
        column.iSubItem = i;
        column.pszText = titles[i];
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    char alias[] = "alias";
    if (commandLine && *commandLine) {
        auto rows = Hotkeys(ReadAll(commandLine));
        // As fast as a list view of its own rows gets: no redraw while they
        // go in, the count told ahead.
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LVM_SETITEMCOUNT, rows.size(), 0);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.pszText = rows[row].first.data();
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
            item.iSubItem = 1;
            item.pszText = rows[row].second.data();
            SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
            item.iSubItem = 2;
            item.pszText = alias;
            SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
