// Finding a skin command: the library loaded on first use, and a fatal
// error when it or the command is missing.
#pragma once

#include "platform/skin_commands.h"

namespace keyloom {

// The address of the command; loads the library first. Does not return
// when the library or the command cannot be found.
FARPROC SkinCommandAddress(SkinCommand command);

}  // namespace keyloom
