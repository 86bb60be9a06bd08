// The env file operations on Windows, through the ANSI file functions: the
// path's bytes are handed to the system as they are.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0600  // GetFinalPathNameByHandleA
#endif
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/env_file_os.h"

namespace keyloom::fileos {
namespace {

constexpr DWORD kChunk = 1 << 20;
constexpr DWORD kReadChunk = 1 << 16;
// What no read of ours keeps others from: reading, writing, and the rename
// or delete by which a save replaces the file.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

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

ReadResult ReadFileChunks(const std::string& path,
                          const std::function<bool(std::string_view)>& take) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadResult::kMissing
                                                                              : ReadResult::kFailed;
    }
    char piece[kReadChunk];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), piece, sizeof piece, &got, nullptr)) return ReadResult::kFailed;
        if (got == 0 || !take(std::string_view(piece, got))) return ReadResult::kRead;
    }
}

std::string FinalTarget(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.IsOpen()) return path;
    std::vector<char> name(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetFinalPathNameByHandleA(file.Get(), name.data(), static_cast<DWORD>(name.size()),
                                      FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return path;
        if (length < name.size()) {
            const std::string final(name.data(), length);
            // The name comes as \\?\C:\... or \\?\UNC\server\...: back to the
            // form every ANSI file call takes.
            if (final.rfind("\\\\?\\UNC\\", 0) == 0) return "\\" + final.substr(7);
            if (final.rfind("\\\\?\\", 0) == 0) return final.substr(4);
            return final;
        }
        name.resize(length + 1);
    }
}

unsigned long NameCount(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    if (!file.IsOpen() || !GetFileInformationByHandle(file.Get(), &information)) return 0;
    return information.nNumberOfLinks;
}

std::uint64_t FileSizeHint(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
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

namespace {

// Wine's own name of a file on the host, as UTF-16; empty outside Wine.
std::wstring HostName(const std::string& path) {
    using UnixNameOf = char*(CDECL*)(LPCWSTR);
    const auto unixNameOf = reinterpret_cast<UnixNameOf>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (unixNameOf == nullptr) return {};
    auto widen = [](const char* bytes, UINT codePage) {
        const int length = MultiByteToWideChar(codePage, 0, bytes, -1, nullptr, 0);
        std::wstring wide(length > 0 ? length : 1, L'\0');
        MultiByteToWideChar(codePage, 0, bytes, -1, wide.data(), length);
        wide.resize(wide.size() - 1);
        return wide;
    };
    char* unixName = unixNameOf(widen(path.c_str(), CP_ACP).c_str());
    if (unixName == nullptr) return {};
    std::wstring name = widen(unixName, CP_UTF8);
    HeapFree(GetProcessHeap(), 0, unixName);
    return name;
}

// Under Wine the old file's Unix permission bits (664, group-writable) are
// not passed on by ReplaceFileA, and no Win32 call can set them exactly
// (access rights map back with the execute bits added): the host's chmod
// copies them. Outside Wine ReplaceFileA keeps the file's security itself.
void CopyHostPermissions(const std::string& from, const std::string& to) {
    const std::wstring hostFrom = HostName(from);
    const std::wstring hostTo = HostName(to);
    // Quoted for the command line; a name with a quote in it keeps the
    // permissions the new file got.
    if (hostFrom.empty() || hostTo.empty() ||
        (hostFrom + hostTo).find_first_of(L"\"'") != std::wstring::npos) {
        return;
    }
    // Wine gives no handle to wait on for a host program: the command
    // leaves a mark once chmod has run, which is waited for and removed.
    const std::string done = to + ".chmod~";
    std::wstring command = L"/bin/sh -c \"chmod --reference='" + hostFrom + L"' '" + hostTo +
                           L"'; : > '" + hostTo + L".chmod~'\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &child)) {
        return;
    }
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    for (int waited = 0; waited < 3000; waited += 5) {
        if (GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES) break;
        Sleep(5);
    }
    DeleteFileA(done.c_str());
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

bool ReplaceWithFile(const std::string& source, const std::string& target) {
    // Opened as ReplaceFileA opens it: a program that keeps the file from
    // being renamed fails the save here, before ReplaceFileA, which under
    // Wine leaves a temporary of its own behind when it fails so.
    FileHandle old(CreateFileA(target.c_str(), GENERIC_READ | DELETE, kShareAll, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!old.IsOpen()) {
        // The first save of a missing file: nothing to keep, a plain move.
        return IsMissing(GetLastError()) &&
               MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    }
    old.Close();
    CopyHostPermissions(target, source);
    // ReplaceFileA keeps the old file's security, attributes, creation time
    // and streams, and replaces a file that others hold open for reading.
    if (ReplaceFileA(target.c_str(), source.c_str(), nullptr,
                     REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                     nullptr)) {
        return true;
    }
    const DWORD error = GetLastError();
    // A file system that cannot replace so: the one-step rename.
    if (error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED ||
        error == ERROR_INVALID_PARAMETER) {
        return MoveFileExA(source.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    return false;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void Stamp(const std::string& path, bool* exists, std::uint64_t* size, std::uint64_t* writeTime,
           std::uint64_t* identity) {
    FileHandle file(CreateFileA(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    *exists = file.IsOpen() && GetFileInformationByHandle(file.Get(), &information) &&
              (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (!*exists) return;
    *size =
        (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    *writeTime = (static_cast<std::uint64_t>(information.ftLastWriteTime.dwHighDateTime) << 32) |
                 information.ftLastWriteTime.dwLowDateTime;
    *identity = ((static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) |
                 information.nFileIndexLow) ^
                (static_cast<std::uint64_t>(information.dwVolumeSerialNumber) << 48);
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
