#include "window/pointer_pass.h"

#include <windows.h>

#include <vector>

#include "platform/fatal_error.h"
#include "window/controls/app_cursor.h"
#include "window/controls/control_cursor.h"
#include "window/controls/control_lookup.h"
#include "window/controls/window_registry.h"
#include "window/message_pump.h"

namespace keyloom {

void SetCursorByNamePrefix(std::string_view prefix) {
    std::vector<HWND> controls = FindControlsByNamePrefix(MainWindow(), prefix);
    ControlKind kind;
    if (!KindOfNamePrefix(prefix, &kind)) return;
    for (HWND control : controls) {
        if (ControlKindOfWindow(control) != kind) FatalError("数据或数组类型不匹配", 5);
        SetControlCursor(control, AppCursor());
        ProcessPendingMessages();
    }
}

}  // namespace keyloom
