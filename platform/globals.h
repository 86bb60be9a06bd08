// The program-wide state shared by the handlers.
#pragma once

#include <string>

namespace keyloom {

class SkinModule;

// Full path of the env file: the program folder followed by "/env". Empty
// until the created handler sets it.
extern std::string* EnvFilePath;

// The one skin object, created at start-up and destroyed at exit.
extern SkinModule* SkinModuleInstance;

// The exit routine: releases EnvFilePath and the skin object.
void ReleaseGlobals();

}  // namespace keyloom
