#include "core/startup_recovery.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/env_file.h"
#include "core/env_file_os.h"
#include "core/env_temporary.h"

namespace keyloom {
namespace {

// What ends the folder part of a path. In UTF-8 no character but '\'
// itself holds the byte 0x5C; on POSIX a backslash is part of a name.
#ifdef _WIN32
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

struct Leftover {
    std::string path;
    bool whole = false;
    std::uint64_t writeTime = 0;
};

// What stands at a file's name, for putting a text there.
enum class Place {
    kFree,       // nothing
    kEmptyFile,  // a file without a byte (links followed)
    kText,       // a file with bytes
    kOther,      // a folder, or a link that leads nowhere
};

Place PlaceOf(const std::string& path) {
    const fileos::FileFacts facts = fileos::FactsOf(path);
    if (!facts.exists) return fileos::NameTaken(path) ? Place::kOther : Place::kFree;
    if (facts.folder) return Place::kOther;
    return facts.size == 0 ? Place::kEmptyFile : Place::kText;
}

// The temporaries of the file named name in folder whose writers have
// surely ended: whole ones first, the newest first.
std::vector<Leftover> DeadLeftovers(const std::string& folder, std::string_view name,
                                    const std::vector<std::string>& names) {
    std::vector<Leftover> leftovers;
    for (const std::string& candidate : names) {
        const std::optional<TemporaryName> temporary = ReadTemporaryName(name, candidate);
        if (!temporary) continue;
        const std::string path = folder + candidate;
        if (fileos::WriterMayBeRunning(temporary->writer, path)) continue;
        leftovers.push_back({path, temporary->whole, fileos::FactsOf(path).writeTime});
    }
    std::stable_sort(leftovers.begin(), leftovers.end(), [](const Leftover& a, const Leftover& b) {
        if (a.whole != b.whole) return a.whole;
        return a.writeTime > b.writeTime;
    });
    return leftovers;
}

bool ReadAllBytes(const std::string& path, std::string* bytes) {
    bytes->clear();
    const auto read = fileos::ReadFileChunks(path, [&](std::string_view piece) {
        bytes->append(piece);
        return true;
    });
    return read == fileos::ReadResult::kRead;
}

// Makes the whole temporary the file at target: renamed there when nothing
// stands at the name; over an empty file its bytes are saved as a save
// would, through links, and the temporary then goes.
bool PutInPlace(const std::string& temporary, const std::string& target, Place place) {
    if (place == Place::kFree) return fileos::MoveOnto(temporary, target);
    std::string bytes;
    if (!ReadAllBytes(temporary, &bytes) || !ReplaceEnvFile(ResolveSaveTarget(target), bytes)) {
        return false;
    }
    fileos::RemoveFileQuietly(temporary);
    return true;
}

// The leftovers of one file; true when a whole temporary became the file.
bool RecoverFile(const std::string& folder, std::string_view name,
                 const std::vector<std::string>& names) {
    const std::vector<Leftover> leftovers = DeadLeftovers(folder, name, names);
    if (leftovers.empty()) return false;
    const std::string target = folder + std::string(name);
    const Place place = PlaceOf(target);
    bool placed = false;
    // Where no text can go, the whole ones are the only copies of theirs.
    bool keepWhole = place == Place::kOther;
    if ((place == Place::kFree || place == Place::kEmptyFile) && leftovers.front().whole) {
        placed = PutInPlace(leftovers.front().path, target, place);
        keepWhole = !placed;
    }
    for (std::size_t i = placed ? 1 : 0; i < leftovers.size(); ++i) {
        if (!leftovers[i].whole || !keepWhole) fileos::RemoveFileQuietly(leftovers[i].path);
    }
    return placed;
}

}  // namespace

StartupRecovery RecoverLeftoversAtStartup(const std::string& envPath) {
    StartupRecovery recovery;
    const std::size_t cut = envPath.find_last_of(kSeparators);
    const std::string folder = cut == std::string::npos ? "" : envPath.substr(0, cut + 1);
    const std::string envName = envPath.substr(folder.size());
    if (envName.empty()) return recovery;
    const std::vector<std::string> names = fileos::FileNamesIn(folder);
    recovery.putTemporaryInPlace = RecoverFile(folder, envName, names);
    RecoverFile(folder, envName + std::string(kBackupSuffix), names);

    const fileos::FileFacts env = fileos::FactsOf(envPath);
    recovery.envMissingOrEmpty = !env.exists || (!env.folder && env.size == 0);
    const fileos::FileFacts backup = fileos::FactsOf(envPath + std::string(kBackupSuffix));
    recovery.backupPresent = backup.exists && !backup.folder && backup.size > 0;
    return recovery;
}

bool RestoreBackup(const std::string& envPath) {
    std::string bytes;
    if (envPath.empty() || !ReadAllBytes(envPath + std::string(kBackupSuffix), &bytes) ||
        bytes.empty()) {
        return false;
    }
    return ReplaceEnvFile(ResolveSaveTarget(envPath), bytes);
}

}  // namespace keyloom
