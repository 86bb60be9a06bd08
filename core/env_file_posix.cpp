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
// The most one write hands the system, so a large file is written in
// pieces that a test can end a save between.
constexpr std::size_t kWritePiece = 1 << 20;

// Closes the descriptor when the function that opened it returns.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t piece = bytes.size() < kWritePiece ? bytes.size() : kWritePiece;
        const ssize_t written = write(fd, bytes.data(), piece);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        if (!bytes.empty()) ReachSaveStep(SaveStep::kTemporaryPart);
    }
    return true;
}

// The folder part of path, "." when it has none.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

ReadResult ReadFileChunks(const std::string& path,
                          const std::function<bool(std::string_view)>& take) {
    Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::kMissing : ReadResult::kFailed;
    struct stat status;
    if (fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) return ReadResult::kFailed;
    char piece[kChunk];
    for (;;) {
        const ssize_t got = read(file.Get(), piece, sizeof piece);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return ReadResult::kFailed;
        if (got == 0 || !take(std::string_view(piece, static_cast<std::size_t>(got)))) {
            return ReadResult::kRead;
        }
    }
}

FileFacts FactsOf(const std::string& path) {
    FileFacts facts;
    struct stat status;
    if (path.empty() || stat(path.c_str(), &status) != 0) return facts;
    facts.exists = true;
    facts.folder = S_ISDIR(status.st_mode);
    // Root may write a file without write permission; we still refuse it.
    facts.readOnly =
        S_ISREG(status.st_mode) &&
        ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0);
    facts.names = static_cast<unsigned long>(status.st_nlink);
    facts.size = S_ISREG(status.st_mode) ? static_cast<std::uint64_t>(status.st_size) : 0;
    facts.writeTime = static_cast<std::uint64_t>(status.st_mtim.tv_sec) * 1000000000u +
                      static_cast<std::uint64_t>(status.st_mtim.tv_nsec);
    // The device in the high half, mixed so that neither number hides the
    // other in one 64-bit value.
    facts.identity = static_cast<std::uint64_t>(status.st_ino) ^
                     (static_cast<std::uint64_t>(status.st_dev) * 0x9E3779B97F4A7C15ull);
    return facts;
}

bool NameTaken(const std::string& path) {
    struct stat status;
    return !path.empty() && lstat(path.c_str(), &status) == 0;
}

std::string FinalTarget(const std::string& path) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

bool WriteFlushedFile(const std::string& path, std::string_view bytes) {
    Descriptor file(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.Get() < 0) return false;
    ReachSaveStep(SaveStep::kTemporaryOpened);
    const bool written = WriteAll(file.Get(), bytes) && fsync(file.Get()) == 0;
    return file.Close() && written;
}

bool CopyKeptAttributes(const std::string& old, const std::string& fresh) {
    // rename() gives the name the new file's permissions and owner: carry
    // the old file's over first. An owner that cannot be given (not root)
    // stays ours, as any new file of ours would.
    struct stat status;
    if (stat(old.c_str(), &status) != 0) return errno == ENOENT;
    if (chmod(fresh.c_str(), status.st_mode & 07777) != 0) return false;
    return chown(fresh.c_str(), status.st_uid, status.st_gid) == 0 || errno == EPERM;
}

bool MoveOnto(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) return false;
    // The rename reaches the disk with its folder.
    Descriptor folder(open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) fsync(folder.Get());
    return true;
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
