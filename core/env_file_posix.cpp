// The env file operations on POSIX systems, where the env core is built and
// tested natively. There is no share mode here: others are not kept from
// writing a file that we read or write.
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "core/env_file_os.h"

namespace keyloom::fileos {
namespace {

constexpr std::size_t kChunk = 1 << 16;

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

ReadResult ReadFileChunks(const std::string& path,
                          const std::function<bool(std::string_view)>& take) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::kMissing : ReadResult::kFailed;
    struct stat status;
    ReadResult result = ReadResult::kRead;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) result = ReadResult::kFailed;
    char piece[kChunk];
    while (result == ReadResult::kRead) {
        const ssize_t got = read(fd, piece, sizeof piece);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) result = ReadResult::kFailed;
        if (got <= 0 || !take(std::string_view(piece, static_cast<std::size_t>(got)))) break;
    }
    close(fd);
    return result;
}

std::string FinalTarget(const std::string& path) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

unsigned long NameCount(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) return 0;
    return static_cast<unsigned long>(status.st_nlink);
}

std::uint64_t FileSizeHint(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return 0;
    return static_cast<std::uint64_t>(status.st_size);
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    // Root may write a file without write permission; we still refuse it.
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return access(path.c_str(), W_OK) != 0;
}

bool WriteFlushedFile(const std::string& path, std::string_view bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    return written && closed;
}

bool ReplaceWithFile(const std::string& source, const std::string& target) {
    // rename() gives target the new file's permissions and owner: carry the
    // old file's over first. An owner that cannot be given (not root)
    // stays ours, as any new file of ours would.
    struct stat old;
    if (stat(target.c_str(), &old) == 0) {
        if (chmod(source.c_str(), old.st_mode & 07777) != 0) return false;
        if (chown(source.c_str(), old.st_uid, old.st_gid) != 0 && errno != EPERM) return false;
    }
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void Stamp(const std::string& path, bool* exists, std::uint64_t* size, std::uint64_t* writeTime,
           std::uint64_t* identity) {
    struct stat status;
    *exists = stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
    if (!*exists) return;
    *size = static_cast<std::uint64_t>(status.st_size);
    *writeTime = static_cast<std::uint64_t>(status.st_mtim.tv_sec) * 1000000000u +
                 static_cast<std::uint64_t>(status.st_mtim.tv_nsec);
    *identity = (static_cast<std::uint64_t>(status.st_dev) << 32) ^
                static_cast<std::uint64_t>(status.st_ino);
}

void RemoveFileQuietly(const std::string& path) {
    unlink(path.c_str());
}

unsigned long CurrentProcessId() {
    return static_cast<unsigned long>(getpid());
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
        struct stat status;
        const std::string path = folder + entry->d_name;
        // Regular files only: no folder, and no link that leads elsewhere.
        if (lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
            names.emplace_back(entry->d_name);
        }
    }
    closedir(dir);
    return names;
}

bool WriterMayBeRunning(unsigned long processId, const std::string&) {
    // An id beyond pid_t belongs to no process (and kill() must never get 0
    // or a negative value, which address process groups).
    if (processId == 0 || processId > static_cast<unsigned long>(INT_MAX)) return false;
    // A running process with the id counts as the writer: its start time is
    // not compared here, which only keeps a leftover longer.
    if (kill(static_cast<pid_t>(processId), 0) == 0) return true;
    return errno != ESRCH;
}

}  // namespace keyloom::fileos
