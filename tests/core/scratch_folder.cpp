#include "tests/core/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace keyloom::testing {
namespace {

#ifdef _WIN32
std::vector<std::string> ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::string& name : ListFolder(path)) RemoveTree(path + "\\" + name);
        RemoveDirectoryA(path.c_str());
    } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
}

std::string NewFolder(const std::string& name) {
    char temp[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    EXPECT_GT(length, 0u);
    for (unsigned attempt = 0;; ++attempt) {
        const std::string path = std::string(temp, length) + name + "-" +
                                 std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(attempt);
        if (CreateDirectoryA(path.c_str(), nullptr)) return path;
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
    const DWORD attributes = GetFileAttributesA(path_.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
#else
    struct stat status;
    return stat(path_.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
#endif
}

std::vector<std::string> ScratchFolder::Names() const {
    std::vector<std::string> names = ListFolder(path_);
    std::sort(names.begin(), names.end());
    return names;
}

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

#ifdef _WIN32
void MakeFolder(const std::string& path) {
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
}

void SetReadOnly(const std::string& path, bool readOnly) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(),
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
    : handle_(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

HeldFile::~HeldFile() {
    if (IsOpen()) CloseHandle(handle_);
}

bool HeldFile::IsOpen() const {
    return handle_ != INVALID_HANDLE_VALUE;
}
#else
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
