#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <winioctl.h>

#include "core/wide_path.h"
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace keyloom::testing {
namespace {

#ifdef _WIN32
// Paths are UTF-8 here as in the file layer, and go to the system as wide
// text, so folders of any name and length can be made and looked at.
std::vector<std::string> ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WidePath(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = Utf8Text(found.cFileName);
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void RemoveTree(const std::string& path) {
    const std::wstring wide = WidePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::string& name : ListFolder(path)) RemoveTree(path + "\\" + name);
        RemoveDirectoryW(wide.c_str());
    } else {
        SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(wide.c_str());
    }
}

std::string NewFolder(const std::string& name) {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    EXPECT_GT(length, 0u);
    const std::string folder = Utf8Text(std::wstring_view(temp, length));
    for (unsigned attempt = 0;; ++attempt) {
        const std::string path = folder + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(attempt);
        if (CreateDirectoryW(WidePath(path).c_str(), nullptr)) return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS || attempt > 1000) return path;  // not made
    }
}
#else
std::vector<std::string> ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    return names;
}

void RemoveTree(const std::string& path) {
    struct stat status;
    if (lstat(path.c_str(), &status) != 0) return;
    if (S_ISDIR(status.st_mode)) {
        for (const std::string& name : ListFolder(path)) RemoveTree(path + "/" + name);
        rmdir(path.c_str());
    } else {
        unlink(path.c_str());
    }
}

std::string NewFolder(const std::string& name) {
    std::string pattern = "/tmp/" + name + "-XXXXXX";
    mkdtemp(pattern.data());  // on failure no folder is there, which Exists() tells
    return pattern;
}
#endif

}  // namespace

ScratchFolder::ScratchFolder(const std::string& name) : path_(NewFolder(name)) {}

ScratchFolder::~ScratchFolder() {
    RemoveTree(path_);
}

bool ScratchFolder::Exists() const {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(WidePath(path_).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
#else
    struct stat status;
    return stat(path_.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
#endif
}

std::vector<std::string> ScratchFolder::Names() const {
    return NamesIn(path_);
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names = ListFolder(folder);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ScratchFolder::HostMode(const std::string& name) const {
    if (!RunOnHost("stat -c %a '" + name + "' > keyloom-mode.txt")) return {};
    std::string mode = ReadBytes(File("keyloom-mode.txt"));
#ifdef _WIN32
    DeleteFileW(WidePath(File("keyloom-mode.txt")).c_str());
#else
    unlink(File("keyloom-mode.txt").c_str());
#endif
    while (!mode.empty() && (mode.back() == '\n' || mode.back() == '\r')) mode.pop_back();
    return mode;
}

#ifdef _WIN32
void WriteBytes(const std::string& path, std::string_view bytes) {
    HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    const bool ok =
        bytes.empty() ||
        (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size());
    CloseHandle(file);
    ASSERT_TRUE(ok) << path;
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    std::string bytes;
    char piece[1 << 16];
    DWORD got = 0;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, piece, sizeof piece, &got, nullptr) &&
           got > 0) {
        bytes.append(piece, got);
    }
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return bytes;
}

bool ScratchFolder::RunOnHost(const std::string& command) const {
    // Wine's name of the folder on the host; none outside Wine.
    using UnixNameOf = char*(CDECL*)(LPCWSTR);
    const auto unixNameOf = reinterpret_cast<UnixNameOf>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (unixNameOf == nullptr) return false;
    char* hostFolder = unixNameOf(WidePath(path_).c_str());
    if (hostFolder == nullptr) return false;
    // Wine hands the command line's words to the host program (the command
    // quotes with single quotes only), but gives no handle to wait on: the
    // command leaves its exit status in a file, moved into place whole.
    const std::string line = "/bin/sh -c \"cd '" + std::string(hostFolder) + "' && (" + command +
                             "); echo $? > .host-status~ && mv .host-status~ .host-status\"";
    HeapFree(GetProcessHeap(), 0, hostFolder);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    // The host folder's name is UTF-8, as Wine gives it.
    std::wstring commandLine = WideText(line);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &child)) {
        return false;
    }
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    const std::string status = File(".host-status");
    for (int waited = 0; waited < 30000; waited += 10) {
        if (GetFileAttributesW(WidePath(status).c_str()) != INVALID_FILE_ATTRIBUTES) {
            const std::string code = ReadBytes(status);
            DeleteFileW(WidePath(status).c_str());
            return code == "0\n";
        }
        Sleep(10);
    }
    return false;
}

void MakeSparseFile(const std::string& path, unsigned long long size) {
    HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD returned = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    ASSERT_TRUE(sized);
}

void RunWithMemoryLimit(unsigned long long, void (*body)()) {
    body();
}

void MakeFolder(const std::string& path) {
    ASSERT_TRUE(CreateDirectoryW(WidePath(path).c_str(), nullptr)) << path;
}

void SetReadOnly(const std::string& path, bool readOnly) {
    ASSERT_TRUE(SetFileAttributesW(WidePath(path).c_str(),
                                   readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL));
}

unsigned long EndedProcessId() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    char commandLine[] = "cmd.exe /c exit";
    EXPECT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &child));
    WaitForSingleObject(child.hProcess, INFINITE);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return child.dwProcessId;
}

HeldFile::HeldFile(const std::string& path, unsigned long access, unsigned long share)
    : handle_(CreateFileW(WidePath(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

HeldFile::~HeldFile() {
    if (IsOpen()) CloseHandle(handle_);
}

bool HeldFile::IsOpen() const {
    return handle_ != INVALID_HANDLE_VALUE;
}
#else
void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ScratchFolder::RunOnHost(const std::string& command) const {
    return std::system(("cd '" + path_ + "' && " + command).c_str()) == 0;
}

void MakeSparseFile(const std::string& path, unsigned long long size) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const bool sized = ftruncate(fd, static_cast<off_t>(size)) == 0;
    close(fd);
    ASSERT_TRUE(sized);
}

void RunWithMemoryLimit(unsigned long long extraBytes, void (*body)()) {
    const pid_t child = fork();
    if (child == 0) {
        // The address space in use now, from the first field of statm (pages).
        unsigned long long pages = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%llu", &pages) != 1) pages = 0;
            std::fclose(statm);
        }
        const rlim_t limit = pages * sysconf(_SC_PAGESIZE) + extraBytes;
        const rlimit limits = {limit, limit};
        if (setrlimit(RLIMIT_AS, &limits) != 0) _exit(3);
        body();
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    EXPECT_GT(child, 0);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the limited process failed or died (status " << status << ")";
}

void MakeFolder(const std::string& path) {
    ASSERT_EQ(mkdir(path.c_str(), 0777), 0);
}

void SetReadOnly(const std::string& path, bool readOnly) {
    ASSERT_EQ(chmod(path.c_str(), readOnly ? 0444 : 0644), 0);
}

unsigned long EndedProcessId() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    EXPECT_GT(child, 0);
    waitpid(child, nullptr, 0);
    return static_cast<unsigned long>(child);
}
#endif

}  // namespace keyloom::testing
