// The env file operations on Windows, through the wide file functions:
// each UTF-8 path goes to the system through WidePath, so a folder of any
// name and of any length Windows allows works.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0600  // GetFinalPathNameByHandleW, SetFileInformationByHandle
#endif
#include <windows.h>

#include <aclapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/env_file_os.h"
#include "core/wide_path.h"

namespace keyloom::fileos {
namespace {

constexpr DWORD kChunk = 1 << 20;
constexpr DWORD kReadChunk = 1 << 16;
// What no read of ours keeps others from: reading, writing, and the rename
// or delete by which a save replaces the file.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// A rename refused because the file is held open is tried this often, this
// far apart.
constexpr int kMoveAttempts = 10;
constexpr DWORD kMoveRetryMilliseconds = 50;
// The attributes a replace passes on; read-only never comes (such a file
// is refused), and the new bytes are not yet backed up (archive is set).
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

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

// Opens what stands at path, file or folder, links followed, for asking
// about it (or, with access, for more).
HANDLE OpenExisting(const std::string& path, DWORD access) {
    return CreateFileW(WidePath(path).c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::uint64_t Joined(DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

bool WriteAll(HANDLE handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunk));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), part, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
        if (!bytes.empty()) ReachSaveStep(SaveStep::kTemporaryPart);
    }
    return true;
}

// Under Wine a file's access list stands for its Unix permission bits and
// does not map back: the list read from a 600 file, set on another, makes
// it 775. There the new file keeps the permissions any new file gets, as
// ReplaceFile leaves them under Wine.
bool AccessListsAreModeBits() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The old file's owner, group and access list on the new one, as far as
// the system lets us: the list always can be (the new file is ours), an
// owner other than us only for an administrator. Whether the list is
// protected from the folder's inherited entries comes along; inherited
// entries come from the same folder again.
void CopySecurity(HANDLE old, HANDLE fresh) {
    if (AccessListsAreModeBits()) return;
    PSID owner = nullptr;
    PSID group = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(
            old, SE_FILE_OBJECT,
            OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
            &owner, &group, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
        return;
    }
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor, &control, &revision);
    const SECURITY_INFORMATION list =
        DACL_SECURITY_INFORMATION |
        ((control & SE_DACL_PROTECTED) != 0 ? PROTECTED_DACL_SECURITY_INFORMATION
                                            : UNPROTECTED_DACL_SECURITY_INFORMATION);
    SetSecurityInfo(fresh, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION,
                    owner, group, nullptr, nullptr);
    SetSecurityInfo(fresh, SE_FILE_OBJECT, list, nullptr, nullptr, dacl, nullptr);
    LocalFree(descriptor);
}

}  // namespace

ReadResult ReadFileChunks(const std::string& path,
                          const std::function<bool(std::string_view)>& take) {
    FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return IsMissing(GetLastError()) ? ReadResult::kMissing : ReadResult::kFailed;
    char piece[kReadChunk];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), piece, sizeof piece, &got, nullptr)) return ReadResult::kFailed;
        if (got == 0 || !take(std::string_view(piece, got))) return ReadResult::kRead;
    }
}

FileFacts FactsOf(const std::string& path) {
    FileFacts facts;
    if (path.empty()) return facts;
    FileHandle file(OpenExisting(path, FILE_READ_ATTRIBUTES));
    BY_HANDLE_FILE_INFORMATION information;
    if (file.IsOpen() && GetFileInformationByHandle(file.Get(), &information)) {
        facts.exists = true;
        facts.folder = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        facts.readOnly =
            !facts.folder && (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        facts.names = information.nNumberOfLinks;
        facts.size = facts.folder ? 0 : Joined(information.nFileSizeHigh, information.nFileSizeLow);
        facts.writeTime = Joined(information.ftLastWriteTime.dwHighDateTime,
                                 information.ftLastWriteTime.dwLowDateTime);
        // The volume mixed into the index, so neither hides the other in
        // one 64-bit value.
        facts.identity =
            Joined(information.nFileIndexHigh, information.nFileIndexLow) ^
            (static_cast<std::uint64_t>(information.dwVolumeSerialNumber) * 0x9E3779B97F4A7C15ull);
        return facts;
    }
    // Not to be opened even for its attributes: what the folder tells.
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data)) return facts;
    facts.exists = true;
    facts.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    facts.readOnly = !facts.folder && (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    facts.size = facts.folder ? 0 : Joined(data.nFileSizeHigh, data.nFileSizeLow);
    facts.writeTime =
        Joined(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
    return facts;
}

bool NameTaken(const std::string& path) {
    return !path.empty() && GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FinalTarget(const std::string& path) {
    FileHandle file(OpenExisting(path, 0));
    if (!file.IsOpen()) return path;
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetFinalPathNameByHandleW(file.Get(), name.data(), static_cast<DWORD>(name.size()),
                                      FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return path;
        // As \\?\C:\... or \\?\UNC\server\...: WidePath takes it as it is.
        if (length < name.size()) return Utf8Text(std::wstring_view(name.data(), length));
        name.resize(length + 1);
    }
}

bool WriteFlushedFile(const std::string& path, std::string_view bytes) {
    FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return false;
    ReachSaveStep(SaveStep::kTemporaryOpened);
    const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    return file.Close() && written;
}

bool CopyKeptAttributes(const std::string& old, const std::string& fresh) {
    FileHandle from(OpenExisting(old, READ_CONTROL | FILE_READ_ATTRIBUTES));
    if (!from.IsOpen() && IsMissing(GetLastError())) return true;
    // Our own new file: we may set its attributes and its access list, and
    // its owner where the system lets us. The list is set from what the
    // file has, so it is read as well.
    const DWORD settable = FILE_WRITE_ATTRIBUTES | READ_CONTROL | WRITE_DAC;
    HANDLE opened = OpenExisting(fresh, settable | WRITE_OWNER);
    if (opened == INVALID_HANDLE_VALUE) opened = OpenExisting(fresh, settable);
    FileHandle to(opened);
    if (!to.IsOpen()) return false;
    // An old file that lets no one read its attributes keeps them.
    if (!from.IsOpen()) return true;
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileInformationByHandle(from.Get(), &information)) {
        FILE_BASIC_INFO basic = {};  // times left at 0 stay as they are
        basic.CreationTime.LowPart = information.ftCreationTime.dwLowDateTime;
        basic.CreationTime.HighPart = static_cast<LONG>(information.ftCreationTime.dwHighDateTime);
        basic.FileAttributes =
            (information.dwFileAttributes & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE;
        SetFileInformationByHandle(to.Get(), FileBasicInfo, &basic, sizeof basic);
    }
    CopySecurity(from.Get(), to.Get());
    return true;
}

bool MoveOnto(const std::string& from, const std::string& to) {
    const std::wstring source = WidePath(from);
    const std::wstring target = WidePath(to);
    // A file that someone holds open cannot be replaced by a rename (Wine
    // and Windows alike refuse it, though the holder shares deleting).
    // Readers let go soon, our own content view among them: the rename is
    // tried again for about half a second before the save fails.
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(source.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            attempt == kMoveAttempts) {
            return false;
        }
        Sleep(kMoveRetryMilliseconds);
    }
}

void RemoveFileQuietly(const std::string& path) {
    DeleteFileW(WidePath(path).c_str());
}

unsigned long CurrentProcessId() {
    return GetCurrentProcessId();
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WidePath(folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.push_back(Utf8Text(found.cFileName));
        }
    } while (FindNextFileW(search, &found));
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
    if (!GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &file)) return true;
    // A process started after the file's last write did not write it.
    return CompareFileTime(&created, &file.ftLastWriteTime) <= 0;
}

}  // namespace keyloom::fileos
