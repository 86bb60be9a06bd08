// The pointer pass of start-up: the program's cursor given to the controls
// of one kind, found by the kind word their names begin with.
#pragma once

#include <string_view>

namespace keyloom {

// Gives AppCursor to every control of the main window whose name begins
// with prefix, letting pending messages run after each; a match of the
// wrong kind ends the program.
void SetCursorByNamePrefix(std::string_view prefix);

}  // namespace keyloom
