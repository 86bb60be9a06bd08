// The library command table: the two functions of SkinH_EL.dll that the
// program calls, resolved by name when first called.
#pragma once

#include <windows.h>

namespace keyloom {

inline constexpr const char* kSkinLibraryName = "SkinH_EL.dll";

// Both use the standard Windows calling convention (the callee removes
// its arguments); a pointer of another type would corrupt the 32-bit stack.
using SkinAttachResFunction = int(WINAPI*)(const unsigned char* skin, int size,
                                           const char* password, int hue, int saturation,
                                           int brightness);
using SkinSetAeroFunction = int(WINAPI*)(int aero);

enum class SkinCommand { AttachRes = 0, SetAero = 1 };

// A command's library and name, and once found its address and module.
struct SkinCommandEntry {
    const char* library;
    const char* name;
    FARPROC address;
    HMODULE module;
};

SkinCommandEntry& SkinCommandSlot(SkinCommand command);

// Releases every module handle obtained for the commands (exit processing
// and FatalError).
void ReleaseSkinCommandHandles();

}  // namespace keyloom
