// The env file on disk: reading its text, and the writes that saving uses.
// Win32 and POSIX implementations sit behind these functions, so the same
// code runs natively and on Windows.
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

// The name the content view reads the file by; the same as ReadEnvText.
inline std::string ReadWholeFile(const std::string& path) {
    return ReadEnvText(path);
}

// The bytes up to, not including, the first zero byte.
std::string BytesToText(std::string_view bytes);

// True when the file at path, followed through its links, has more than
// one name (hard links): a save would leave the other names with the old
// text, so WriteEnvFile refuses it.
bool HasSeveralNames(const std::string& path);

// Why a save may not replace the file, decided once per save.
enum class SaveRefusal : std::uint8_t { kNone, kReadOnly, kSeveralNames, kFolder };

// The file a save of path replaces, links followed, and whether it may.
struct SaveTarget {
    std::string path;
    SaveRefusal refusal = SaveRefusal::kNone;
};
SaveTarget ResolveSaveTarget(const std::string& path);

// Replaces target.path with bytes in one step; never called with a
// refusal. False on any failure, the file untouched.
bool ReplaceEnvFile(const SaveTarget& target, std::string_view bytes);

// What the folder says of a file: whether it is there, its size, last
// write time and identity. Equal stamps: nothing changed that a reader
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

// Replaces the file at path with bytes in one step (temporary file beside
// it, flushed, then put in its place). A symbolic link or junction at path
// is followed: its final target is replaced and the link stays. False on
// any failure, a read-only file and a file with several names included,
// with the original untouched and no temporary left.
bool WriteEnvFile(const std::string& path, std::string_view bytes);

// The same for the backup copy path + ".bak", beside path itself.
bool WriteBackupFile(const std::string& path, std::string_view bytes);

}  // namespace keyloom
