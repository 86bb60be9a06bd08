#include "window/hotkey_list_menu.h"

#include "platform/program_text.h"
#include "window/controls/control_ids.h"
#include "window/controls/window_registry.h"
#include "window/hotkey_list.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

POINT gAskedAt = {-1, -1};

int SystemListMenu(const std::vector<ListMenuItem>& items, POINT at) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return 0;
    for (const ListMenuItem& item : items) {
        AppendMenuW(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED),
                    static_cast<UINT_PTR>(item.command), WideProgramText(item.text).c_str());
    }
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x,
                                      at.y, 0, MainWindow(), nullptr);
    DestroyMenu(menu);
    return chosen;
}

// From the keyboard: under the selected row, else the list's corner.
POINT KeyboardPoint(HWND list) {
    POINT at = {0, 0};
    RECT row = {LVIR_BOUNDS};
    const int selected = SelectedHotkeyRow();
    if (selected >= 0 &&
        SendMessageA(list, LVM_GETITEMRECT, selected, reinterpret_cast<LPARAM>(&row))) {
        at = {row.left + 8, row.bottom};
    }
    ClientToScreen(list, &at);
    return at;
}

}  // namespace

ListMenuFunction gListMenuFunction = SystemListMenu;

bool TakeListContextMenu(HWND control, LPARAM point) {
    if (!control || control != ControlWindow(kHotkeyList)) return false;
    gAskedAt = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    return true;
}

int ShowHotkeyListMenu(const std::vector<ListMenuItem>& items) {
    HWND list = ControlWindow(kHotkeyList);
    if (!list) return 0;
    POINT at = gAskedAt;
    if (at.x == -1 && at.y == -1) at = KeyboardPoint(list);
    return gListMenuFunction(items, at);
}

}  // namespace keyloom
