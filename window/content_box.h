// Shows a save's composed text in the content box 编辑框1.
#pragma once

#include <string_view>

namespace keyloom {

// Replaces the box's text. A long text goes in by slices of whole lines,
// with pending messages handled between them: laying out many thousand
// wrapped lines takes the box seconds, and the window keeps painting
// meanwhile, as it does while the save reads the rows.
void ShowSavedText(std::string_view text);

}  // namespace keyloom
