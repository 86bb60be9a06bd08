#include "platform/globals.h"

#include "platform/skin_module.h"

namespace keyloom {

SkinModule* SkinModuleInstance = nullptr;

void ReleaseGlobals() {
    delete SkinModuleInstance;
    SkinModuleInstance = nullptr;
}

}  // namespace keyloom
