#include "platform/program_folder.h"

#include <windows.h>

#include <vector>

#include "core/text_rules.h"

namespace keyloom {

std::string ProgramFilePath() {
    // A path can be longer than MAX_PATH; a full buffer means it was cut,
    // so grow it and ask again.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD length =
            GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::string(buffer.data(), length);
        if (buffer.size() >= 1u << 20) return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string FolderOfPath(std::string_view path) {
    std::size_t lastBackslash = std::string_view::npos;
    std::size_t i = 0;
    while (i < path.size()) {
        // A lead byte and its second byte are one character: the second byte
        // may be 0x5C and is then no folder separator.
        if (path[i] == '\\') lastBackslash = i;
        i += CharLengthAt(path, i);
    }
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
