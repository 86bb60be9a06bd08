#include "window/hotkey_list.h"

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "window/control_names.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

HWND HotkeyList() {
    return ControlWindow(kHotkeyList);
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
    if (row >= HotkeyRowCount()) return {};
    return HotkeyCellReader().Cell(row, column);
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

HotkeyCellReader::HotkeyCellReader() : list_(HotkeyList()), buffer_(256) {}

std::string HotkeyCellReader::Cell(int row, int column) {
    if (list_ == nullptr || row < 0) return std::string();
    // The list copies at most the buffer's size less one, and a cut may stop
    // before a double-byte character that does not fit: a text that comes
    // within two bytes of the end may be longer, so grow and ask again.
    for (;;) {
        buffer_[0] = '\0';
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = buffer_.data();
        item.cchTextMax = static_cast<int>(buffer_.size());
        const LRESULT length =
            SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        if (length < static_cast<LRESULT>(buffer_.size()) - 2 || buffer_.size() >= (1u << 24)) {
            return std::string(buffer_.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
        }
        buffer_.resize(buffer_.size() * 2);
    }
}

}  // namespace keyloom
