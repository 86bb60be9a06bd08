// The check a confirm makes on the key and command boxes before it changes
// the list. Besides empty boxes it refuses what the env file cannot hold
// faithfully: text that would come back different at the next load, or cut
// off the hotkeys after it.
#pragma once

#include <string_view>

namespace keyloom {

// True when the two box texts, as typed, may be confirmed:
// - neither box is empty, nor the key after trimming spaces and tabs at
//   both ends, as the line is read back (a command of spaces
//   only still passes);
// - neither holds a CR or LF byte (a line break splits the alias line);
// - the key, trimmed, holds no space (0x20 or A1 A1 at a character start)
//   nor tab
//   but between the quotation marks of a key that begins with one (' '),
//   since a load ends the key at a space, and the alias line reads back
//   with that key;
// - neither box, nor the alias line they make together, holds
//   "### User Preferences section" (it would cut the line in two) or
//   "source $TELENV" (the line that reads Allegro's site settings, which
//   belongs on a line of its own), searched at character starts.
bool IsConfirmInputAcceptable(std::string_view key, std::string_view command);

}  // namespace keyloom
