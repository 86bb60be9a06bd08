// The operating system's part of the env file layer: the few file
// operations that the Win32 and POSIX builds implement each in their way.
// Paths are UTF-8 byte strings; the Win32 half hands them to the wide file
// functions (core/wide_path.h), the POSIX half as they are.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/save_step.h"

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

// What the file system tells of the file at path, links followed; all
// false and zero when nothing can be told (nothing there, say).
struct FileFacts {
    bool exists = false;
    bool folder = false;
    // The read-only attribute, or no write permission at all. Told by us,
    // because a process running as an administrator or root could write
    // such a file anyway.
    bool readOnly = false;
    unsigned long names = 0;  // hard links
    std::uint64_t size = 0;
    std::uint64_t writeTime = 0;  // the system's own units
    std::uint64_t identity = 0;   // volume and file index, or device and inode
};
FileFacts FactsOf(const std::string& path);

// Whether anything at all stands at the name: a file, a folder, or a link
// whatever it leads to (not followed).
bool NameTaken(const std::string& path);

// The file that path finally names: symbolic links (and on Windows
// junctions) followed to the end. path itself when it names no link, or
// nothing that can be opened. On Windows the name may come in \\?\ form.
std::string FinalTarget(const std::string& path);

// Creates or empties the file, writes all bytes, flushes them to the disk
// and closes it. Others may read it meanwhile but not write it. Reaches
// SaveStep::kTemporaryOpened once made and kTemporaryPart after each piece
// that more bytes follow.
bool WriteFlushedFile(const std::string& path, std::string_view bytes);

// Sets on fresh what a replace of old should keep of it: on Windows its
// attributes, creation time and security (owner, group and access list, as
// far as the system lets us), under POSIX its permission bits and owner.
// True when old is missing (nothing to keep), and where the system does
// not let a part be copied, which the file then does without.
bool CopyKeptAttributes(const std::string& old, const std::string& fresh);

// Renames from to to in one step, replacing a file at to, with the rename
// on the disk before it returns. On Windows a file at to that another
// handle holds open cannot be replaced so: the rename is tried again for a
// moment, and then fails.
bool MoveOnto(const std::string& from, const std::string& to);

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
