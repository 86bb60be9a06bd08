// The portable half of the env file layer: reading whole files, and writes
// that replace a file in one step.
#include "core/env_file.h"

#include <cstring>
#include <string>

#include "core/env_file_os.h"
#include "core/env_temporary.h"

namespace keyloom {
namespace {

// A new file of ours beside path, named for this process.
std::string OwnTemporaryPathFor(const std::string& path, std::string_view suffix) {
    return TemporaryPathFor(path, fileos::CurrentProcessId(), suffix);
}

// Writes bytes to a temporary file and puts it in the place of target, so
// target is either the old file or all of the new bytes, never a part.
bool ReplaceFileContents(const std::string& target, std::string_view bytes,
                         std::string_view suffix) {
    const std::string temporary = OwnTemporaryPathFor(target, suffix);
    if (fileos::WriteFlushedFile(temporary, bytes) && fileos::ReplaceWithFile(temporary, target)) {
        return true;
    }
    fileos::RemoveFileQuietly(temporary);
    return false;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    std::string bytes;
    if (path.empty() || fileos::ReadFileBytes(path, bytes) != fileos::ReadResult::kRead) return {};
    return bytes;
}

std::string BytesToText(std::string_view bytes) {
    const void* zero = std::memchr(bytes.data(), '\0', bytes.size());
    if (zero == nullptr) return std::string(bytes);
    return std::string(bytes.data(), static_cast<const char*>(zero) - bytes.data());
}

bool WriteEnvFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    // An administrator (and Wine run as root) could write it anyway.
    if (fileos::IsReadOnlyFile(path)) return false;
    return ReplaceFileContents(path, bytes, kNewFileSuffix);
}

bool WriteBackupFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    return ReplaceFileContents(path + std::string(kBackupSuffix), bytes, kBackupCopySuffix);
}

}  // namespace keyloom
