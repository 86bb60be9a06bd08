// The skin: writing out the carried skin library, and attaching a skin.
#pragma once

#include <string>
#include <string_view>

namespace keyloom {

class SkinModule {
public:
    // Construction is InstallSkinLibrary.
    SkinModule();
    // For in-process tests, which have the library beside them and must not
    // write into the system folder.
    struct NoInstall {};
    explicit SkinModule(NoInstall) {}

    // Hands carried skin skinIndex (1 to 37; any other index hands no
    // bytes) to SkinH_AttachRes with the three attach parameters, then
    // calls SkinH_SetAero.
    void ApplySkin(int skinIndex, int hue = 0, int saturation = 0, int brightness = 0,
                   bool aero = false);
};

// Writes the carried library into the system folder when nothing of that
// name is there; when that write fails, beside the program instead.
void InstallSkinLibrary();

enum class SkinInstallOutcome {
    AlreadyPresent,
    WrittenToSystemFolder,
    WrittenBesideProgram,
    NotWritten
};

// InstallSkinLibrary with its folders given (UTF-8): systemFolder ends in
// a backslash or is empty; programFolder has no trailing backslash.
SkinInstallOutcome InstallSkinLibraryInto(const std::string& systemFolder,
                                          const std::string& programFolder, std::string_view image);

// The system folder (UTF-8) with a trailing backslash; empty when it
// cannot be had.
std::string SystemFolderForSkinLibrary();

}  // namespace keyloom
