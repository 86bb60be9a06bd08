#include "core/env_backup.h"

#include "core/env_file.h"
#include "core/env_text.h"

namespace keyloom {

bool NeedsBackupBeforeRewrite(std::string_view bytes) {
    if (bytes.empty()) return false;
    return bytes != ComposeEnvText(ParseEnvText(BytesToText(bytes)));
}

}  // namespace keyloom
