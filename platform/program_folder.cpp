#include "platform/program_folder.h"

#include <windows.h>

#include <vector>

#include "core/wide_path.h"

namespace keyloom {

std::string ProgramFilePath() {
    // A path can be longer than MAX_PATH; a full buffer means it was cut,
    // so grow it and ask again.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return Utf8Text(std::wstring_view(buffer.data(), length));
        if (buffer.size() >= 1u << 16) return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string FolderOfPath(std::string_view path) {
    const std::size_t lastBackslash = path.rfind('\\');
    if (lastBackslash == std::string_view::npos) return {};
    return std::string(path.substr(0, lastBackslash));
}

std::string EnvFilePathFor(std::string_view programPath) {
    return FolderOfPath(programPath) + "/env";
}

std::string ProgramFolder() {
    return FolderOfPath(ProgramFilePath());
}

}  // namespace keyloom
