// Writing the rows back to the env file after every change: only the lines
// of rows that changed change in the file.
#include "handlers/save_env_file.h"

#include <windows.h>

#include "core/count_caption.h"
#include "core/env_text.h"
#include "core/save_guard.h"
#include "handlers/editing_texts.h"
#include "handlers/env_state.h"
#include "platform/message_box.h"
#include "window/content_box.h"
#include "window/control_names.h"
#include "window/hotkey_list.h"
#include "window/background_work.h"
#include "window/main_window.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

SaveGuard gSaveGuard;

}  // namespace

void SaveEnvFile(PanelAfterSave panel) {
    if (!gSaveGuard.Begin()) {
        ShowHotkeyListChanges();
        return;
    }
    // The file is read, composed and written on a thread of its own, which
    // touches no window; meanwhile the list learns the changed rows and the
    // window goes on painting and answering. The guard keeps the rows as
    // they are until the save is done.
    HotkeyRows& rows = HotkeyStore();
    EnvSession::Outcome outcome;
    RunWhileHandlingMessages(
        [&rows, &outcome] { outcome = EnvFileSession.Save(rows.Entries(), &rows.Origins()); },
        ShowHotkeyListChanges);
    // A shown panel's box shows the text the save wrote, or failed to
    // write; a hidden one's is left alone until the panel opens again.
    if (panel == PanelAfterSave::Shown) ShowSavedText(std::move(outcome.text));
    if (outcome.written) {
        SetControlText(kCountLabel, CountCaption(rows.Count()));
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

void OnMainWindowCloseRequested() {
    if (gSaveGuard.IsRunning()) {
        gSaveGuard.RequestClose();
        return;
    }
    DestroyWindow(MainWindow());
}

}  // namespace keyloom
