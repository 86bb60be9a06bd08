// A fresh folder for one file test, removed with its contents afterwards,
// and the few file operations the tests need to set up and inspect it. They
// use the system's own calls, not the env file layer under test; paths are
// UTF-8, given to Windows as wide text through core/wide_path.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace keyloom::testing {

class ScratchFolder {
public:
    // name: the folder's last part, UTF-8 (wide text to the system on Windows).
    explicit ScratchFolder(const std::string& name = "keyloom-env");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // False when the system could not make the folder (a name that the file
    // system cannot hold).
    bool Exists() const;
    // A path in the folder as the program forms it: folder, '/', name.
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // The names in the folder, sorted.
    std::vector<std::string> Names() const;
    // Runs a shell command line in the folder on the host system: natively
    // with /bin/sh, under Wine with the host's /bin/sh, which Wine starts as
    // it starts a Windows program. So tests make symbolic links and read
    // permission bits as users do. False when it did not run or exit 0.
    bool RunOnHost(const std::string& command) const;
    // The permission bits of a file in the folder as the host shows them
    // ("664"); empty when they cannot be read.
    std::string HostMode(const std::string& name) const;

private:
    std::string path_;
};

// The names in a folder, sorted.
std::vector<std::string> NamesIn(const std::string& folder);

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
void MakeFolder(const std::string& path);
void SetReadOnly(const std::string& path, bool readOnly);

// Makes a file of size bytes that holds no data: all zero bytes, taking no
// room on the disk.
void MakeSparseFile(const std::string& path, unsigned long long size);

// Runs body in a process that cannot take more than extraBytes of memory
// beyond what it has now, and expects it to end without a failure. Where no
// limit can be set, runs body as it is.
void RunWithMemoryLimit(unsigned long long extraBytes, void (*body)());

// The id of a child process that has ended and been waited for: no process
// has it any more (until the system gives it again).
unsigned long EndedProcessId();

#ifdef _WIN32
// Keeps a file open with the given access and share mode, as another program
// might, until destroyed.
class HeldFile {
public:
    HeldFile(const std::string& path, unsigned long access, unsigned long share);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool IsOpen() const;

private:
    void* handle_;
};
#endif

}  // namespace keyloom::testing
