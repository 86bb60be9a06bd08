// The env file on disk: reading its text, the replace that saving uses, and
// the stamp by which a change made by others is noticed. Win32 and POSIX
// implementations sit behind these functions, so the same code runs
// natively and on Windows. Paths are UTF-8; the env's bytes are never
// converted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace keyloom {

enum class TextRead {
    kWhole,      // the file holds no zero byte: the text is all of it
    kCutAtZero,  // the text ends before the file's first zero byte
    kMissing,    // no such file (or folder)
    kFailed,     // there but unreadable, or more than the process can hold
};

// The file's text: its bytes up to, not including, the first zero byte.
// Read in pieces that stop at that byte, so what follows it is never read,
// and held without spare room. text is empty unless the result is kWhole
// or kCutAtZero. Others may read, write, rename and delete the file
// meanwhile.
TextRead ReadEnvText(const std::string& path, std::string* text);

// The same, the text alone: empty for an empty path, a missing or an
// unreadable file.
std::string ReadEnvText(const std::string& path);

enum class SaveRefusal : std::uint8_t { kNone, kReadOnly, kSeveralNames, kFolder };

struct SaveTarget {
    std::string path;
    SaveRefusal refusal = SaveRefusal::kNone;
};

// The file a save of path replaces (symbolic links and junctions followed
// to the end, once) and whether it may be replaced: a read-only file
// (checked by us, since an administrator or Wine run as root could write
// it), a file with several names (hard links: the others would keep the old
// text), a folder standing at the name. An empty path gives an empty
// target, which no replace takes.
SaveTarget ResolveSaveTarget(const std::string& path);

// Replaces target.path with bytes; false on any failure, with target.path
// untouched and no temporary of ours left. Never called with a refusal.
//
// The bytes go to <name>.<process id>.part~ beside the file, are flushed
// and closed; the old file's attributes, creation time and security (on
// POSIX its permission bits and owner) are set on it; it is renamed to
// <name>.<process id>.whole~, a name it gets only once whole; and that is
// renamed onto the file in one step. A kill at any moment leaves the file
// with its old bytes or all of the new ones.
bool ReplaceEnvFile(const SaveTarget& target, std::string_view bytes);

// What the folder says of a file, cheap to ask: whether it is there, its
// size, last write time and identity (volume and file index, or device and
// inode), links followed. Equal stamps mean nothing changed that a reader
// could see, short of a writer that keeps size and time.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t writeTime = 0;
    std::uint64_t identity = 0;

    bool operator==(const FileStamp& other) const {
        return exists == other.exists && size == other.size && writeTime == other.writeTime &&
               identity == other.identity;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

FileStamp StampOf(const std::string& path);

// The replace of a save that read the file when it stamped read: right
// before the new file takes its place the file must still be as read, so
// nothing another writer wrote in between is replaced unseen.
enum class ReplaceOutcome { kReplaced, kChangedMeanwhile, kFailed };
ReplaceOutcome ReplaceEnvFileAsRead(const SaveTarget& target, std::string_view bytes,
                                    const FileStamp& read);

// The same for env.bak beside envPath (not beside a link's target).
bool WriteBackupFile(const std::string& envPath, std::string_view bytes);

}  // namespace keyloom
