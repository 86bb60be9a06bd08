// Loading the env file into the hotkey list at start-up.
#include "handlers/load_env_file.h"

#include <windows.h>

#include <commctrl.h>

#include "core/count_caption.h"
#include "core/env_text.h"
#include "handlers/env_state.h"
#include "window/control_names.h"
#include "window/hotkey_list.h"
#include "window/window_ops.h"

namespace keyloom {

void LoadEnvFile(const std::string& path) {
    std::vector<HotkeyEntry> entries;
    EnvFileSession.Open(path, &entries, &HotkeyRowOrigins.All());
    // The count first, then the rows.
    SetControlText(kCountLabel, CountCaption(entries.size()));
    // The list is told the number of rows ahead and draws once at the end,
    // not after each of thousands of rows.
    HWND list = ControlWindow(kHotkeyList);
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
