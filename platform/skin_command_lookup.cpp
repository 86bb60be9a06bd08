#include "platform/skin_command_lookup.h"

#include <cstdio>
#include <string>

#include "core/wide_path.h"
#include "platform/fatal_error.h"
#include "platform/program_folder.h"

namespace keyloom {

namespace {

HMODULE LoadSkinLibrary(const char* library) {
    // The copy beside the program comes first; the bare name then takes
    // Windows' search order, which includes the system folder.
    // The plain full path, as the loader takes it best; a folder longer
    // than MAX_PATH relies on the manifest's longPathAware.
    std::string besideProgram = ProgramFolder() + "\\" + library;
    HMODULE module = LoadLibraryW(WideText(besideProgram).c_str());
    if (!module) module = LoadLibraryW(WideText(library).c_str());
    return module;
}

}  // namespace

FARPROC SkinCommandAddress(SkinCommand command) {
    SkinCommandEntry& entry = SkinCommandSlot(command);
    if (entry.address) return entry.address;
    HMODULE module = LoadSkinLibrary(entry.library);
    if (module) {
        FARPROC address = GetProcAddress(module, entry.name);
        if (address) {
            entry.address = address;
            entry.module = module;
            return address;
        }
        FreeLibrary(module);
    }
    char message[512];
    std::snprintf(message, sizeof message, "无法找到指定DLL库文件“%s”中的输出命令“%s”",
                  entry.library, entry.name);
    FatalError(message, 0);
}

}  // namespace keyloom
