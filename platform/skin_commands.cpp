#include "platform/skin_commands.h"

namespace keyloom {

namespace {

SkinCommandEntry gSkinCommands[] = {
    {kSkinLibraryName, "SkinH_AttachRes", nullptr, nullptr},
    {kSkinLibraryName, "SkinH_SetAero", nullptr, nullptr},
};

}  // namespace

SkinCommandEntry& SkinCommandSlot(SkinCommand command) {
    return gSkinCommands[static_cast<int>(command)];
}

void ReleaseSkinCommandHandles() {
    for (SkinCommandEntry& entry : gSkinCommands) {
        if (entry.module) FreeLibrary(entry.module);
        entry.module = nullptr;
        entry.address = nullptr;
    }
}

}  // namespace keyloom
