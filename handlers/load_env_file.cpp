// Loading the env file into the hotkey list at start-up.
#include "handlers/load_env_file.h"

#include "core/count_caption.h"
#include "core/env_text.h"
#include "handlers/env_state.h"
#include "window/control_names.h"
#include "window/hotkey_list.h"
#include "window/window_ops.h"

namespace keyloom {

void LoadEnvFile(const std::string& path) {
    std::vector<HotkeyEntry> entries;
    std::vector<RowOrigin> origins;
    EnvFileSession.Open(path, &entries, &origins);
    // The count first, then the rows: the list only learns their number
    // and asks for the cells it paints.
    SetControlText(kCountLabel, CountCaption(entries.size()));
    LoadHotkeyRows(std::move(entries), std::move(origins));
}

}  // namespace keyloom
