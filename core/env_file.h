// The env file on disk: reading it whole, turning its bytes into text, and
// the write that saving uses. Win32 and POSIX implementations sit behind
// these functions, so the same code runs natively and on Windows.
#pragma once

#include <string>
#include <string_view>

namespace keyloom {

// All bytes of the file; empty for an empty path or a missing/unreadable file. Opened read-only,
// others may read but not write meanwhile.
std::string ReadWholeFile(const std::string& path);

// The bytes up to, not including, the first zero byte.
std::string BytesToText(std::string_view bytes);

// Replaces the file at path with bytes in one step (temporary file in the same folder,
// flushed, then replaced). False on any failure, a read-only file included, with the original
// untouched and no temporary left.
bool WriteEnvFile(const std::string& path, std::string_view bytes);

// The same for the backup copy path + ".bak".
bool WriteBackupFile(const std::string& path, std::string_view bytes);

}  // namespace keyloom
