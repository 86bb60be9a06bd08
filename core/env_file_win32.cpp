// The env file operations on Windows, through the ANSI file functions: the
// path's bytes are handed to the system as they are.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <algorithm>

#include "core/env_file_os.h"

namespace keyloom::fileos {
namespace {

constexpr DWORD kChunk = 1 << 20;

// Closes the handle when the function that opened it returns.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (IsOpen()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunk));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), part, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

ReadResult ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadResult::kMissing
                                                                              : ReadResult::kFailed;
    }
    // One byte more than the size, so the read that finds the end needs no
    // new allocation; the loop still reads to the end should the file grow.
    LARGE_INTEGER size;
    if (GetFileSizeEx(file.Get(), &size) &&
        static_cast<unsigned long long>(size.QuadPart) < bytes.max_size() / 2) {
        bytes.reserve(static_cast<std::size_t>(size.QuadPart) + 1);
    }
    for (;;) {
        const std::size_t used = bytes.size();
        const std::size_t room = bytes.capacity() > used ? bytes.capacity() - used : kChunk;
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(room, kChunk));
        bytes.resize(used + part);
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + used, part, &got, nullptr)) {
            bytes.clear();
            return ReadResult::kFailed;
        }
        bytes.resize(used + got);
        if (got == 0) return ReadResult::kRead;
    }
}

bool IsReadOnlyFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    // An administrator (and Wine run as root) can write such a file anyway.
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WriteFlushedFile(const std::string& path, std::string_view bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return false;
    const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    return file.Close() && written;
}

bool ReplaceWithFile(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void RemoveFileQuietly(const std::string& path) {
    DeleteFileA(path.c_str());
}

unsigned long CurrentProcessId() {
    return GetCurrentProcessId();
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool WriterMayBeRunning(unsigned long processId, const std::string& path) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    // No process has the id; any other refusal (access denied) is a doubt.
    if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD exitCode = 0;
    FILETIME created, exited, kernel, user;
    const bool known = GetExitCodeProcess(process, &exitCode) &&
                       GetProcessTimes(process, &created, &exited, &kernel, &user);
    CloseHandle(process);
    if (!known) return true;
    // Ended, though someone still holds a handle to it.
    if (exitCode != STILL_ACTIVE) return false;
    WIN32_FILE_ATTRIBUTE_DATA file;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &file)) return true;
    // A process started after the file's last write did not write it.
    return CompareFileTime(&created, &file.ftLastWriteTime) <= 0;
}

}  // namespace keyloom::fileos
