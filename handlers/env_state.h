// The env file as this run knows it: opened at start-up, moved on by every
// save.
#pragma once

#include "core/env_session.h"

namespace keyloom {

extern EnvSession EnvFileSession;

}  // namespace keyloom
