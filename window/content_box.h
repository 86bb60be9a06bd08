// The content box 编辑框1, which shows the env file's text.
#pragma once

#include <string_view>

namespace keyloom {

// Replaces the box's whole text in one go: the box lays out the text once,
// where pieces appended one after another would each make it walk the
// lines already in it again.
void ShowSavedText(std::string_view text);

}  // namespace keyloom
