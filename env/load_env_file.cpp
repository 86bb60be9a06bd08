// Loading the env file into the hotkey list at start-up.
#include <windows.h>

#include <commctrl.h>

#include "env/env_file.h"
#include "env/env_text.h"
#include "env/env_window.h"
#include "ui/hotkey_list.h"
#include "ui/window_ops.h"

namespace keyloom {

void LoadEnvFile(const std::string& path) {
    std::vector<HotkeyEntry> entries = ParseEnvText(BytesToText(ReadWholeFile(path)));
    // The count first, then the rows.
    SetControlText("标签2", CountCaption(entries.size()));
    // The list is told the number of rows ahead and draws once at the end,
    // not after each of thousands of rows.
    HWND list = ControlWindow("超级列表框1");
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_SETITEMCOUNT, entries.size(), 0);
    for (const HotkeyEntry& entry : entries) {
        int row = AppendHotkeyRow();
        SetHotkeyCell(row, 0, entry.key);
        SetHotkeyCell(row, 1, entry.command);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

}  // namespace keyloom
