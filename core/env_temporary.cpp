#include "core/env_temporary.h"

#include <optional>

#include "core/env_file_os.h"

namespace keyloom {
namespace {

// Largest id a process can have: Windows ids are 32 bits.
constexpr unsigned long long kMaxProcessId = 0xFFFFFFFFull;

// The id in digits, as std::to_string writes it: no sign, no leading zero.
std::optional<unsigned long> ProcessIdIn(std::string_view digits) {
    if (digits.empty() || digits.size() > 10 || digits[0] == '0') return std::nullopt;
    unsigned long long id = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        id = id * 10 + static_cast<unsigned long long>(c - '0');
    }
    if (id > kMaxProcessId) return std::nullopt;
    return static_cast<unsigned long>(id);
}

// The id in name when name is target, ".", an id, suffix.
std::optional<unsigned long> WriterOf(std::string_view target, std::string_view suffix,
                                      std::string_view name) {
    if (name.size() <= target.size() + 1 + suffix.size()) return std::nullopt;
    if (name.substr(0, target.size()) != target || name[target.size()] != '.') return std::nullopt;
    if (name.substr(name.size() - suffix.size()) != suffix) return std::nullopt;
    const std::size_t start = target.size() + 1;
    return ProcessIdIn(name.substr(start, name.size() - suffix.size() - start));
}

// The writer's process id when name is exactly a temporary that a save of
// the file envName writes beside it; nothing for every other name.
std::optional<unsigned long> TemporaryWriter(std::string_view envName, std::string_view name) {
    if (auto writer = WriterOf(envName, kNewFileSuffix, name)) return writer;
    const std::string backup = std::string(envName) + std::string(kBackupSuffix);
    return WriterOf(backup, kBackupCopySuffix, name);
}

}  // namespace

std::string TemporaryPathFor(std::string_view target, unsigned long processId,
                             std::string_view suffix) {
    std::string path(target);
    path += '.';
    path += std::to_string(processId);
    path += suffix;
    return path;
}

void RemoveLeftoverTemporaries(const std::string& envPath) {
    // '/' is never part of a double-byte character, so the last one ends
    // the folder.
    const std::size_t slash = envPath.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : envPath.substr(0, slash + 1);
    const std::string_view envName = std::string_view(envPath).substr(folder.size());
    if (envName.empty()) return;
    for (const std::string& name : fileos::FileNamesIn(folder)) {
        const std::optional<unsigned long> writer = TemporaryWriter(envName, name);
        if (!writer) continue;
        const std::string path = folder + name;
        if (!fileos::WriterMayBeRunning(*writer, path)) fileos::RemoveFileQuietly(path);
    }
}

}  // namespace keyloom
