// Paths are UTF-8 byte strings on our side and UTF-16 on the system's: the
// one conversion each way, for the Win32 halves only (no windows.h here).
#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// path as the wide file functions take it: UTF-16, made full against the
// working folder, each '/' a backslash, and given the long form (\\?\C:
// for a drive, \\?\UNC for a share) so that it may be longer than
// MAX_PATH. A path already in that form keeps it. Empty for an empty path
// or one that is not UTF-8.
std::wstring WidePath(std::string_view path);

// UTF-8 as UTF-16, unchanged otherwise; empty when it is not UTF-8.
std::wstring WideText(std::string_view text);

// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8Text(std::wstring_view text);

}  // namespace keyloom
