#include "tests/process/process_helpers.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "core/wide_path.h"

namespace keyloom::test {

std::string BuildFolder() {
    wchar_t path[4096];
    DWORD length = GetModuleFileNameW(nullptr, path, 4096);
    std::string full = Utf8Text(std::wstring_view(path, length));
    return full.substr(0, full.find_last_of('\\'));
}

ScratchFolder::ScratchFolder(const std::string& name) {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    path_ = Utf8Text(std::wstring_view(temp, length)) + "keyloom-" + name + "-" +
            std::to_string(GetCurrentProcessId());
    CreateDirectoryW(WidePath(path_).c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    for (const std::string& name : FileNamesIn(path_)) DeleteFileW(WidePath(File(name)).c_str());
    RemoveDirectoryW(WidePath(path_).c_str());
}

RunningProgram::RunningProgram(const std::string& program, const std::string& arguments) {
    std::wstring commandLine = WideText("\"" + program + "\" " + arguments);
    std::string folder = program.substr(0, program.find_last_of('\\'));
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(WidePath(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, WideText(folder).c_str(), &startup, &info_)) {
        info_ = {};
    }
}

RunningProgram::~RunningProgram() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
}

DWORD RunningProgram::WaitForExit(DWORD milliseconds) {
    if (!info_.hProcess) return STILL_ACTIVE;
    WaitForSingleObject(info_.hProcess, milliseconds);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (search->className[0] && lstrcmpA(className, search->className) != 0) return TRUE;
    if (search->title[0] && WindowText(window) != search->title) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const char* className, const char* title) {
    WindowSearch search = {processId, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    char text[4096] = "";
    int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

int ListRowCount(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListCell(HWND list, int row, int column) {
    // The list copies the text into memory of its own process.
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return {};
    constexpr int kTextSize = 1024;
    char* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kTextSize, MEM_COMMIT, PAGE_READWRITE));
    std::string text;
    if (remote) {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = remote + sizeof(LVITEMA);
        item.cchTextMax = kTextSize;
        WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
        LRESULT length =
            SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote));
        char buffer[kTextSize] = "";
        ReadProcessMemory(process, remote + sizeof(LVITEMA), buffer, kTextSize, nullptr);
        text.assign(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

namespace {

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<IdSearch*>(parameter);
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindDescendantById(HWND parent, int id) {
    IdSearch search = {id, nullptr};
    EnumChildWindows(parent, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char piece[1 << 16];
    DWORD got = 0;
    while (ReadFile(file, piece, sizeof piece, &got, nullptr) && got > 0) bytes.append(piece, got);
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        bytes.empty() ||
        (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size());
    return CloseHandle(file) && ok;
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WidePath(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.push_back(Utf8Text(found.cFileName));
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool SelectListRow(HWND list, int row) {
    // The list takes the item from memory of its own process.
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return false;
    bool selected = false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMA), MEM_COMMIT, PAGE_READWRITE);
    if (remote) {
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        selected = WriteProcessMemory(process, remote, &item, sizeof item, nullptr) &&
                   SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote));
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return selected;
}

std::string HostPath(const std::string& path) {
    using UnixNameOf = char*(CDECL*)(LPCWSTR);
    const auto unixNameOf = reinterpret_cast<UnixNameOf>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (unixNameOf == nullptr) return {};
    char* unixName = unixNameOf(WidePath(path).c_str());
    if (unixName == nullptr) return {};
    std::string name(unixName);
    HeapFree(GetProcessHeap(), 0, unixName);
    return name;
}

bool StartHostProgram(const std::string& commandLine) {
    std::wstring line = WideText(commandLine);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &child)) {
        return false;
    }
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return true;
}

SystemLibraryGuard::SystemLibraryGuard() {
    // One name in the whole Wine prefix: test programs of both builds and
    // of several build folders take turns.
    mutex_ = CreateMutexA(nullptr, FALSE, "KeyloomProcessTestSystemLibrary");
    WaitForSingleObject(mutex_, INFINITE);
    char folder[MAX_PATH];
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    path_ = std::string(folder, length) + "\\SkinH_EL.dll";
    if (IsFolder(path_)) {
        was_ = Was::Folder;
    } else if (Exists(path_)) {
        was_ = Was::File;
        savedBytes_ = ReadFileBytes(path_);
    }
}

SystemLibraryGuard::~SystemLibraryGuard() {
    MakeAbsent();
    if (was_ == Was::File) WriteFileBytes(path_, savedBytes_);
    if (was_ == Was::Folder) CreateDirectoryA(path_.c_str(), nullptr);
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
}

void SystemLibraryGuard::MakeAbsent() {
    if (IsFolder(path_)) {
        RemoveDirectoryA(path_.c_str());
    } else {
        DeleteFileA(path_.c_str());
    }
}

void SystemLibraryGuard::MakeFile(const std::string& bytes) {
    MakeAbsent();
    WriteFileBytes(path_, bytes);
}

void SystemLibraryGuard::MakeFolder() {
    MakeAbsent();
    CreateDirectoryA(path_.c_str(), nullptr);
}

}  // namespace keyloom::test
