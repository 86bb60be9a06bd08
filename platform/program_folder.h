// Where the program lives: its file's full path, its folder, and the env
// file beside it.
#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// Full path of the running program's file, however long; empty on failure.
std::string ProgramFilePath();

// The path up to, not including, its last backslash; a 0x5C that is the
// second byte of a double-byte character is not a backslash. Empty when
// there is none.
std::string FolderOfPath(std::string_view path);

// The env file for a program at programPath: its folder followed by "/env".
std::string EnvFilePathFor(std::string_view programPath);

// FolderOfPath(ProgramFilePath()).
std::string ProgramFolder();

}  // namespace keyloom
