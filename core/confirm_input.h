// The check a confirm makes on the key and command boxes before it changes
// the list. Besides empty boxes it refuses what the env file cannot hold
// faithfully: text that would come back different at the next load, or cut
// off the hotkeys after it.
#pragma once

#include <string_view>

namespace keyloom {

// True when the two box texts, as typed, may be confirmed:
// - neither box is empty (a key of spaces only still passes);
// - neither holds a CR or LF byte (a line break splits the alias line);
// - the key, trimmed, holds no space (0x20 or A1 A1 at a character start),
//   since a load splits the alias line at spaces;
// - neither box, nor the alias line they make together, holds
//   "### User Preferences section" (a load stops reading there) or
//   "source $TELENV" (the line that reads Allegro's site settings, which
//   belongs on a line of its own), searched at character starts.
bool IsConfirmInputAcceptable(std::string_view key, std::string_view command);

}  // namespace keyloom
