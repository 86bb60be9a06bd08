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

// The command's address. On its first call loads the library from the
// program's folder, else by its bare name, and looks the command up; when
// neither works, FatalError with the library and command names.
FARPROC SkinCommandAddress(SkinCommand command);

// Releases every module handle obtained for the commands (exit processing
// and FatalError).
void ReleaseSkinCommandHandles();

}  // namespace keyloom
