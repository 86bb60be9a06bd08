// The operating system's part of the env file layer: the few file
// operations that the Win32 and POSIX builds implement each in their way.
// Paths are byte strings in the ANSI code page, passed on unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace keyloom::fileos {

enum class ReadResult { kRead, kMissing, kFailed };

// Reads the whole file into bytes; kMissing when it or its folder does not
// exist, kFailed when it exists but cannot be read (held by a writer, a
// folder, no permission). Others may read but not write while it is open.
ReadResult ReadFileBytes(const std::string& path, std::string& bytes);

// True for an existing file marked read-only (the read-only attribute, or no
// write permission at all). Checked by us, because a process running as an
// administrator or root could write it anyway.
bool IsReadOnlyFile(const std::string& path);

// Creates or empties the file, writes all bytes, flushes them to the disk
// and closes it. Others may read it meanwhile but not write it.
bool WriteFlushedFile(const std::string& path, std::string_view bytes);

// Puts source in the place of target in one step, replacing target.
bool ReplaceWithFile(const std::string& source, const std::string& target);

// Removes the file if it is there.
void RemoveFileQuietly(const std::string& path);

// Distinguishes this process's temporary files from another's.
unsigned long CurrentProcessId();

// The names of the files in folder (an empty string for the working folder,
// else ending in a separator); folders are left out. None when it cannot be
// listed.
std::vector<std::string> FileNamesIn(const std::string& folder);

// Whether the process that wrote the file at path under this id may still
// be running. False only when that is sure: no process has the id, or the
// one that has it now started after the file was last written, so the id
// was given again. True in every doubt.
bool WriterMayBeRunning(unsigned long processId, const std::string& path);

}  // namespace keyloom::fileos
