#include "handlers/created_handler.h"

#include "handlers/load_env_file.h"
#include "handlers/slide_link.h"
#include "platform/globals.h"
#include "platform/program_folder.h"
#include "platform/skin_module.h"
#include "window/pointer_pass.h"
#include "window/controls/control_ids.h"
#include "window/controls/dpi_layout.h"
#include "window/edit_panel.h"
#include "window/window_ops.h"

namespace keyloom {

namespace {

constexpr int kCreatedHeight = 325;

}  // namespace

void OnMainWindowCreated() {
    SkinModuleInstance->ApplySkin(1, 110, 40, 10);
    // The edit panel starts hidden; the top-left corner stays put.
    ShowEditPanel(false);
    SetMainWindowHeight(ScaledToWindow(kCreatedHeight));
    const std::string envPath = EnvFilePathFor(ProgramFilePath());
    SetTimerInterval(kSlideRightTimer, kSlideTickMilliseconds);
    for (const char* prefix : {"标签", "按钮", "分组框", "编辑框", "超级列表框"}) {
        SetCursorByNamePrefix(prefix);
    }
    LoadEnvFile(envPath);
}

}  // namespace keyloom
