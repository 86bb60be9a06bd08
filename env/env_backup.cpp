#include "env/env_backup.h"

#include "env/env_file.h"
#include "env/env_text.h"

namespace keyloom {

bool NeedsBackupBeforeRewrite(std::string_view bytes) {
    if (bytes.empty()) return false;
    return bytes != ComposeEnvText(ParseEnvText(BytesToText(bytes)));
}

}  // namespace keyloom
