// The content box 编辑框1, which shows the env file's text.
#pragma once

#include <string>

namespace keyloom {

// Replaces the box's whole text. The box lays out only what it shows, so
// this costs the same for any text.
void ShowSavedText(std::string text);

}  // namespace keyloom
