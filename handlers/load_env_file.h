// Loading the env file into the hotkey list at start-up.
#pragma once

#include <string>

namespace keyloom {

// Puts right what a killed save left beside the env file at path (asking
// before env.bak takes the place of a missing or empty env), fills
// 超级列表框1 and the count label 标签2 from it, and watches its folder.
void LoadEnvFile(const std::string& path);

}  // namespace keyloom
