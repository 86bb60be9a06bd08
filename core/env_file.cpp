// The portable half of the env file layer: what a save does, in which order,
// and when the old file is kept as env.bak.
#include "core/env_file.h"

#include <cstring>
#include <string>

#include "core/env_backup.h"
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
    // The old bytes decide about the backup; a file that exists but cannot
    // be read (a folder, held by a writer) is not replaced blindly.
    std::string old;
    const fileos::ReadResult read = fileos::ReadFileBytes(path, old);
    if (read == fileos::ReadResult::kFailed) return false;
    const bool exists = read == fileos::ReadResult::kRead;
    if (exists && fileos::IsReadOnlyFile(path)) return false;

    const std::string temporary = OwnTemporaryPathFor(path, kNewFileSuffix);
    if (!fileos::WriteFlushedFile(temporary, bytes)) {
        fileos::RemoveFileQuietly(temporary);
        return false;
    }
    // The backup is in place before the env file is touched; without it the
    // save does not go on.
    if (exists && NeedsBackupBeforeRewrite(old) &&
        !ReplaceFileContents(path + std::string(kBackupSuffix), old, kBackupCopySuffix)) {
        fileos::RemoveFileQuietly(temporary);
        return false;
    }
    if (!fileos::ReplaceWithFile(temporary, path)) {
        fileos::RemoveFileQuietly(temporary);
        return false;
    }
    return true;
}

}  // namespace keyloom
