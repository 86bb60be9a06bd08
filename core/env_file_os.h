// The operating system's part of the env file layer: the few file
// operations that the Win32 and POSIX builds implement each in their way.
// Paths are byte strings in the ANSI code page, passed on unchanged.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom::fileos {

enum class ReadResult { kRead, kMissing, kFailed };

// Reads the file from its start and hands each piece to take, in order,
// until the end or until take returns false. kMissing when the file or its
// folder does not exist, kFailed when it exists but cannot be read (a
// folder, no permission, a read that fails). While it is open others may
// read, write, rename and delete it, so no read of ours keeps a save from
// replacing it.
ReadResult ReadFileChunks(const std::string& path,
                          const std::function<bool(std::string_view)>& take);

// The size of the file at path as its folder tells it, for reserving room
// ahead of a read; 0 when it cannot be told. The read itself decides what
// the text is.
std::uint64_t FileSizeHint(const std::string& path);

// The file that path finally names: symbolic links (and on Windows
// junctions) followed to the end. path itself when it names no link, or
// nothing that can be opened.
std::string FinalTarget(const std::string& path);

// The number of names (hard links) of the file at path; 0 when there is no
// file or the number cannot be told.
unsigned long NameCount(const std::string& path);

// True for an existing file marked read-only (the read-only attribute, or no
// write permission at all). Checked by us, because a process running as an
// administrator or root could write it anyway.
bool IsReadOnlyFile(const std::string& path);

// Creates or empties the file, writes all bytes, flushes them to the disk
// and closes it. Others may read it meanwhile but not write it.
bool WriteFlushedFile(const std::string& path, std::string_view bytes);

// Puts source in the place of target in one step, replacing target. An
// existing target passes on what the file system keeps of it beside its
// bytes (permissions, attributes, security, creation time), so the new file
// looks to everyone else as the old one did; a missing target is created.
bool ReplaceWithFile(const std::string& source, const std::string& target);

// True for a folder at path.
bool IsFolder(const std::string& path);

// Whether a file is at path, and its size, last write time and identity.
void Stamp(const std::string& path, bool* exists, std::uint64_t* size, std::uint64_t* writeTime,
           std::uint64_t* identity);

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
