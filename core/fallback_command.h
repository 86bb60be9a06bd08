// The command line that opens a web address with the program Windows
// associates with web pages, when the shell itself cannot open it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace keyloom {

// WinExec hands its command line to CreateProcess, which takes at most
// 32,767 UTF-16 characters including the terminating zero. Each byte of a
// code page 936 string becomes at most one UTF-16 character, so a line of
// up to this many bytes always fits.
inline constexpr std::size_t kMaxWinExecCommandLine = 32766;

// The association's command cut before its argument placeholder, then one
// space and the target. The placeholder is the first "%1" in double quotes
// (cut at the opening quote), else the first bare %1 (cut there); with
// neither the whole command is kept. Searches step by characters, so a
// double-byte character never yields a match at its second byte. Empty when
// the line would be longer than WinExec can take.
std::optional<std::string> BuildFallbackCommandLine(std::string_view associationCommand,
                                                    std::string_view target);

}  // namespace keyloom
