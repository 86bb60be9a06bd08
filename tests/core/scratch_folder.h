// A fresh folder for one file test, removed with its contents afterwards,
// and the few file operations the tests need to set up and inspect it. They
// use the system's own calls, not the env file layer under test.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace keyloom::testing {

class ScratchFolder {
public:
    // name: the folder's last part, bytes in the ANSI code page.
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

private:
    std::string path_;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
void MakeFolder(const std::string& path);
void SetReadOnly(const std::string& path, bool readOnly);

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
