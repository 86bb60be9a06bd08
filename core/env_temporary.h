// The temporary files that a save writes beside the env file, and their
// removal at start-up when the save that wrote them was killed before it
// could put them in place or remove them.
#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// env.bak: the file as it was before the run's first change.
inline constexpr std::string_view kBackupSuffix = ".bak";
// env.<id>.new~: the new env file before it replaces the old one.
inline constexpr std::string_view kNewFileSuffix = ".new~";
// env.bak.<id>.bak~: the backup copy before it replaces env.bak.
inline constexpr std::string_view kBackupCopySuffix = ".bak~";

// target, ".", the writing process's id in decimal, suffix: two Keyloom
// processes in one folder never write the same temporary.
std::string TemporaryPathFor(std::string_view target, unsigned long processId,
                             std::string_view suffix);

// Removes the temporaries beside the env file at envPath (folder, '/',
// name) whose writer has surely ended; those of a Keyloom still running,
// and every other file, stay.
void RemoveLeftoverTemporaries(const std::string& envPath);

}  // namespace keyloom
