// The program-wide state of the platform layer.
#pragma once

namespace keyloom {

class SkinModule;

// The one skin object, created at start-up and destroyed at exit.
extern SkinModule* SkinModuleInstance;

// The exit routine: releases the skin object.
void ReleaseGlobals();

}  // namespace keyloom
