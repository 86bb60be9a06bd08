// Running copies of the real programs in folders of their own and looking
// at their windows from outside. Paths are UTF-8, given to the system as
// wide text, so the folders may be named in any script.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace keyloom::test {

// The folder of this test program (where the build put every program).
std::string BuildFolder();

// A new empty folder under the temporary folder (name: UTF-8), removed
// with its files when the object goes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// A started process; killed on destruction if still running.
class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::string& arguments = "");
    ~RunningProgram();
    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    // The exit code, or STILL_ACTIVE when it has not ended in time.
    DWORD WaitForExit(DWORD milliseconds);

private:
    PROCESS_INFORMATION info_ = {};
};

// A visible top-level window of the process with this class ("" for any)
// and title ("" for any); null when there is none.
HWND FindProcessWindow(DWORD processId, const char* className, const char* title);

// The texts of another process's window and of a list view's cells.
std::string WindowText(HWND window);
int ListRowCount(HWND list);
std::string ListCell(HWND list, int row, int column);

// The child of parent with this control id, searched through all levels.
HWND FindDescendantById(HWND parent, int id);

// Holds the system folder's SkinH_EL.dll for one test: serialises the
// tests that change it (across processes) and puts back what was there.
class SystemLibraryGuard {
public:
    SystemLibraryGuard();
    ~SystemLibraryGuard();
    std::string Path() const { return path_; }
    // Makes the system folder hold nothing, a file of these bytes, or a
    // folder, under the library's name.
    void MakeAbsent();
    void MakeFile(const std::string& bytes);
    void MakeFolder();

private:
    HANDLE mutex_;
    std::string path_;
    enum class Was { Absent, File, Folder } was_ = Was::Absent;
    std::string savedBytes_;
};

std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool IsFolder(const std::string& path);
bool Exists(const std::string& path);
// The names of the files in folder, sorted.
std::vector<std::string> FileNamesIn(const std::string& folder);

// Selects one row of another process's list view, as a click on it would.
bool SelectListRow(HWND list, int row);

// Wine's name on the host of a Windows path; empty outside Wine.
std::string HostPath(const std::string& path);
// Starts a program of the host (Wine runs it as it runs a Windows one),
// without waiting for it. commandLine holds no double quote.
bool StartHostProgram(const std::string& commandLine);

}  // namespace keyloom::test
