#include "platform/skin_module.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "core/wide_path.h"
#include "platform/carried_resource.h"
#include "platform/program_folder.h"
#include "platform/resource_ids.h"
#include "platform/skin_command_lookup.h"

namespace keyloom {

namespace {

bool Exists(const std::string& path) {
    // A found entry counts, file or folder.
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WidePath(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
    const std::wstring widePath = WidePath(path);
    HANDLE file = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
        done += written;
    }
    ok = CloseHandle(file) && ok;
    // A cut-off library would count as present on every later start and
    // end each of them in the fatal error: remove what this call created.
    if (!ok) DeleteFileW(widePath.c_str());
    return ok;
}

}  // namespace

std::string SystemFolderForSkinLibrary() {
    wchar_t folder[MAX_PATH];
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::string text = Utf8Text(std::wstring_view(folder, length));
    if (text.back() != '\\') text += '\\';
    return text;
}

SkinInstallOutcome InstallSkinLibraryInto(const std::string& systemFolder,
                                          const std::string& programFolder,
                                          std::string_view image) {
    std::string target = systemFolder + kSkinLibraryName;
    if (Exists(target)) return SkinInstallOutcome::AlreadyPresent;
    if (WriteNewFile(target, image)) return SkinInstallOutcome::WrittenToSystemFolder;
    // An ordinary account cannot write the system folder; beside the
    // program is where loading looks first. Never replace a copy there.
    std::string beside =
        (programFolder.empty() ? std::string() : programFolder + "\\") + kSkinLibraryName;
    if (Exists(beside)) return SkinInstallOutcome::NotWritten;
    if (WriteNewFile(beside, image)) return SkinInstallOutcome::WrittenBesideProgram;
    return SkinInstallOutcome::NotWritten;
}

void InstallSkinLibrary() {
    InstallSkinLibraryInto(SystemFolderForSkinLibrary(), ProgramFolder(),
                           CarriedResource(IDR_SKIN_LIBRARY));
}

SkinModule::SkinModule() {
    InstallSkinLibrary();
}

void SkinModule::ApplySkin(int skinIndex, int hue, int saturation, int brightness, bool aero) {
    std::vector<unsigned char> copy;
    if (skinIndex >= 1 && skinIndex <= KEYLOOM_SKIN_COUNT) {
        std::string_view skin = CarriedResource(IDR_SKIN_FIRST + skinIndex - 1);
        copy.assign(skin.begin(), skin.end());
    }
    // The library wants the address of an empty text, never a null one.
    static const char kNoPassword[] = "";
    auto attach =
        reinterpret_cast<SkinAttachResFunction>(SkinCommandAddress(SkinCommand::AttachRes));
    attach(copy.empty() ? nullptr : copy.data(), static_cast<int>(copy.size()), kNoPassword, hue,
           saturation, brightness);
    auto setAero = reinterpret_cast<SkinSetAeroFunction>(SkinCommandAddress(SkinCommand::SetAero));
    setAero(aero ? 1 : 0);
}

}  // namespace keyloom
