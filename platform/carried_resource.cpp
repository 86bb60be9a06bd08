#include "platform/carried_resource.h"

#include <windows.h>

namespace keyloom {

std::string_view CarriedResource(int id) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(self, found);
    DWORD size = SizeofResource(self, found);
    // Resources stay mapped for the life of the module, so a view is safe.
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return {};
    return {static_cast<const char*>(bytes), size};
}

}  // namespace keyloom
