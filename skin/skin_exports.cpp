// The library's two functions, exported under their plain names with the
// standard Windows calling convention (SkinH_EL.def, --kill-at).
#include <windows.h>

#include "skin_attach.h"
#include "skin_format.h"
#include "skin_state.h"

extern "C" int WINAPI SkinH_AttachRes(const unsigned char* skinBytes, int size,
                                      const char* password, int hue, int saturation,
                                      int brightness);
extern "C" int WINAPI SkinH_SetAero(int enable);

// Skins carry no secret, so the password text is not used.
extern "C" int WINAPI SkinH_AttachRes(const unsigned char* skinBytes, int size, const char*,
                                      int hue, int saturation, int brightness) {
    if (skinBytes == nullptr || size <= 0) return 0;
    try {
        // Everything needed is copied out of the caller's bytes here: the
        // caller frees them as soon as this returns.
        SkinDef skin;
        if (!ParseSkin(skinBytes, static_cast<size_t>(size), skin)) return 0;
        return AttachSkin(AdjustSkin(skin, hue, saturation, brightness)) ? 1 : 0;
    } catch (...) {
        return 0;  // out of memory: no skin, and no exception into the caller
    }
}

extern "C" int WINAPI SkinH_SetAero(int enable) {
    return SetAero(enable != 0) ? 1 : 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
