#include "bench/editing/bench_floor.h"

#include <commctrl.h>

namespace keyloom::bench {

BareList::BareList() {
    frame_ = CreateWindowExA(0, "STATIC", "floor", WS_OVERLAPPED | WS_CAPTION, 600, 100, 613, 328,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | WS_TABSTOP, 8, 16,
                            320, 200, frame_, nullptr, GetModuleHandleA(nullptr), nullptr);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
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
        SendMessageA(list_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

BareList::~BareList() {
    DestroyWindow(frame_);
}

void BareList::InsertRows(const std::vector<HotkeyEntry>& rows, bool redraw) {
    if (!redraw) SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    std::string key;
    std::string command;
    char alias[] = "alias";
    for (std::size_t row = 0; row < rows.size(); ++row) {
        key = rows[row].key;
        command = rows[row].command;
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = key.data();
        const LRESULT index =
            SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = command.data();
        SendMessageA(list_, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 2;
        item.pszText = alias;
        SendMessageA(list_, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    }
    if (!redraw) SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    ShowWindow(frame_, SW_SHOWNOACTIVATE);
    UpdateWindow(frame_);
}

namespace {

bool ReadAll(const std::string& path, std::string* bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool read = GetFileSizeEx(file, &size) != 0;
    if (read) {
        bytes->resize(static_cast<std::size_t>(size.QuadPart));
        DWORD got = 0;
        read = ReadFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &got, nullptr) &&
               got == bytes->size();
    }
    return CloseHandle(file) && read;
}

bool WriteFlushed(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file);
    return CloseHandle(file) && ok;
}

}  // namespace

bool FirstSafeSave(const std::string& path, const std::vector<HotkeyEntry>& rows,
                   std::string* text) {
    std::string old;
    if (!ReadAll(path, &old)) return false;
    *text = ComposeEnvText(rows);
    const std::string temporary = path + ".new~";
    return WriteFlushed(path + ".bak", old) && WriteFlushed(temporary, *text) &&
           MoveFileExA(temporary.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace keyloom::bench
