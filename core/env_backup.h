// Whether an existing env file holds more than a save keeps. A save writes
// the file anew in one layout; a file in any other form (comments, other
// settings, its own preferences section) loses something, and is copied to
// env.bak first so the user's only copy is never destroyed.
#pragma once

#include <string_view>

namespace keyloom {

// True when bytes (the whole file) differ from the text that reading and
// composing them gives back. An empty file holds nothing to lose.
bool NeedsBackupBeforeRewrite(std::string_view bytes);

}  // namespace keyloom
