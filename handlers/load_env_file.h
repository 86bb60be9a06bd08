// Loading the env file into the hotkey list at start-up.
#pragma once

#include <string>

namespace keyloom {

// Fills 超级列表框1 and the count label 标签2 from the env file at path.
// leaveBackup: this run never writes env.bak.
void LoadEnvFile(const std::string& path, bool leaveBackup = false);

}  // namespace keyloom
