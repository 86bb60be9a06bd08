// Writing the rows back to the env file after every change, and showing the
// stored text.
#include <windows.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "app/message_box.h"
#include "editing/content_box.h"
#include "editing/editing_texts.h"
#include "editing/env_file_text.h"
#include "editing/hotkey_cell_reader.h"
#include "editing/save_guard.h"
#include "env/env_file.h"
#include "env/env_text.h"
#include "env/env_window.h"
#include "ui/hotkey_list.h"
#include "ui/window_ops.h"

namespace keyloom {

namespace {

SaveGuard gSaveGuard;

std::vector<HotkeyEntry> ReadRowsKeepingWindowAlive() {
    const int count = HotkeyRowCount();
    std::vector<HotkeyEntry> entries;
    entries.reserve(count > 0 ? count : 0);
    HotkeyCellReader cells;
    for (int row = 0; row < count; ++row) {
        entries.push_back(HotkeyEntry{cells.Cell(row, 0), cells.Cell(row, 1)});
        // A long list takes a while; the window keeps painting meanwhile.
        ProcessPendingMessages();
    }
    return entries;
}

}  // namespace

void SaveEnvFile() {
    if (!gSaveGuard.Begin()) return;
    SetControlText(kContentBox, "");
    const std::string text = ComposeEnvText(ReadRowsKeepingWindowAlive());
    ShowSavedText(text);
    const std::string path = EnvFilePath != nullptr ? *EnvFilePath : std::string();
    if (WriteEnvFile(path, text)) {
        SetControlText(kCountLabel, CountCaption(static_cast<std::size_t>(HotkeyRowCount())));
    } else {
        ShowMessageBox(kSaveFailedText, kSaveFailedTitle, kPlainStyle);
    }
    // A close that arrived during the save goes ahead now, through
    // the window's own close path.
    if (gSaveGuard.End() && MainWindow() != nullptr) {
        PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
    }
}

bool IsSaveRunning() {
    return gSaveGuard.IsRunning();
}

void CloseMainWindowAfterSave() {
    gSaveGuard.RequestClose();
}

void ShowEnvContent() {
    const std::string text = EnvFileText();
    ShowMessageBox(text.c_str(), kEnvContentTitle, kPlainStyle);
}

}  // namespace keyloom
