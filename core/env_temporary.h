// The names of the temporary files that a replace writes beside the file it
// replaces: <name>.<process id>.part~ while its bytes are written, then
// <name>.<process id>.whole~ once they are all flushed and it is closed.
// So a leftover of a killed save tells by its name whether it is whole.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// env.bak: the file as it was before the run's first change.
inline constexpr std::string_view kBackupSuffix = ".bak";
// A temporary being written: it may stop anywhere.
inline constexpr std::string_view kPartSuffix = ".part~";
// A temporary with all of its bytes.
inline constexpr std::string_view kWholeSuffix = ".whole~";

// target, ".", the writing process's id in decimal, suffix: two Keyloom
// processes in one folder never write the same temporary.
std::string TemporaryPathFor(std::string_view target, unsigned long processId,
                             std::string_view suffix);

struct TemporaryName {
    unsigned long writer = 0;
    bool whole = false;
};

// What name says when it is exactly the name of a temporary of the file
// targetName (in the same folder); nothing for every other name, those of
// another file's temporaries included.
std::optional<TemporaryName> ReadTemporaryName(std::string_view targetName, std::string_view name);

}  // namespace keyloom
