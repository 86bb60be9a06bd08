// The env file as this run knows it, and where each row of the hotkey list
// came from: loaded at start-up, changed with the rows by the editing
// handlers, moved on by every save.
#pragma once

#include "core/env_session.h"
#include "core/row_origins.h"

namespace keyloom {

extern EnvSession EnvFileSession;
extern RowOrigins HotkeyRowOrigins;

}  // namespace keyloom
