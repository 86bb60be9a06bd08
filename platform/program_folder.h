// Where the program lives: its file's full path, its folder, and the env
// file beside it. Paths are UTF-8, exact in any script; every file call
// hands them to the system as wide text (core/wide_path.h).
#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// Full path of the running program's file as UTF-8, however long; empty
// on failure.
std::string ProgramFilePath();

// The path up to, not including, its last backslash (in UTF-8 no other
// character holds the byte 0x5C). Empty when there is none.
std::string FolderOfPath(std::string_view path);

// The env file for a program at programPath: its folder followed by "/env".
std::string EnvFilePathFor(std::string_view programPath);

// FolderOfPath(ProgramFilePath()).
std::string ProgramFolder();

}  // namespace keyloom
