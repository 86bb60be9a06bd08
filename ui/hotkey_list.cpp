#include "ui/hotkey_list.h"

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "ui/window_ops.h"

namespace keyloom {

namespace {

HWND HotkeyList() {
    return ControlWindow("超级列表框1");
}

}  // namespace

int HotkeyRowCount() {
    HWND list = HotkeyList();
    return list ? static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

int AppendHotkeyRow() {
    HWND list = HotkeyList();
    if (!list) return -1;
    char empty[] = "";
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = HotkeyRowCount();
    item.pszText = empty;
    return static_cast<int>(
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

std::string HotkeyCell(int row, int column) {
    HWND list = HotkeyList();
    if (!list || row < 0 || row >= HotkeyRowCount()) return {};
    // The list copies at most the buffer's size less one; a text that
    // fills it may be longer, so grow and ask again.
    std::vector<char> buffer(256);
    for (;;) {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        LRESULT length = SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        if (length < static_cast<LRESULT>(buffer.size()) - 1 || buffer.size() >= (1u << 24)) {
            return std::string(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
        }
        buffer.resize(buffer.size() * 2);
    }
}

void SetHotkeyCell(int row, int column, std::string_view text) {
    HWND list = HotkeyList();
    if (!list) return;
    std::string copy(text);
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = copy.data();
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void DeleteHotkeyRow(int row) {
    HWND list = HotkeyList();
    if (!list || row < 0 || row >= HotkeyRowCount()) return;
    SendMessageA(list, LVM_DELETEITEM, row, 0);
}

int SelectedHotkeyRow() {
    HWND list = HotkeyList();
    if (!list) return -1;
    return static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace keyloom
