#include "handlers/env_state.h"

namespace keyloom {

EnvSession EnvFileSession;
RowOrigins HotkeyRowOrigins;

}  // namespace keyloom
