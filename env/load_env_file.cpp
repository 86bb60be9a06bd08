// Loading the env file into the hotkey list at start-up.
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
    for (const HotkeyEntry& entry : entries) {
        int row = AppendHotkeyRow();
        SetHotkeyCell(row, 0, entry.key);
        SetHotkeyCell(row, 1, entry.command);
    }
}

}  // namespace keyloom
