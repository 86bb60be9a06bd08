#include "handlers/closing.h"

#include "handlers/editing_state.h"
#include "handlers/editing_texts.h"
#include "window/boxes.h"
#include "window/controls/window_registry.h"

namespace keyloom {

namespace {

bool gClosing = false;

}  // namespace

void OnMainWindowCloseRequested() {
    gClosing = true;
    CloseWhenDone();
}

void CloseWhenDone() {
    if (!gClosing || !Session().IsIdle()) return;
    gClosing = false;
    // 是 drops the change and closes; 否 keeps Keyloom open.
    if (Session().HasUnwrittenChange() &&
        !ShowBox(
            {BoxKind::Question, {{kUnwrittenCloseText, BoxText::Program}}, kUnwrittenCloseTitle})) {
        return;
    }
    if (HWND window = MainWindow()) DestroyWindow(window);
}

}  // namespace keyloom
