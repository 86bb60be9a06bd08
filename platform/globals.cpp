#include "platform/globals.h"

#include "platform/skin_module.h"

namespace keyloom {

std::string* EnvFilePath = nullptr;
SkinModule* SkinModuleInstance = nullptr;

void ReleaseGlobals() {
    if (EnvFilePath) {
        delete EnvFilePath;
        EnvFilePath = nullptr;
    }
    delete SkinModuleInstance;
    SkinModuleInstance = nullptr;
}

}  // namespace keyloom
