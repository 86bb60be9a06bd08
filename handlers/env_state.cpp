#include "handlers/env_state.h"

namespace keyloom {

EnvSession EnvFileSession;

}  // namespace keyloom
