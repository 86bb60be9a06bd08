// Replaces the shell, registry and WinExec seams with recorders for the
// length of a test, and puts the real functions back afterwards.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace keyloom::test {

struct ShellCall {
    HWND owner;
    std::string verb;
    std::string file;
    bool hasParameters;
    bool hasDirectory;
    INT show;
};

struct WinExecCall {
    std::string commandLine;
    UINT show;
};

class ShellRecorder {
public:
    ShellRecorder();
    ~ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    // What the fakes answer: the shell's and WinExec's return values and the
    // default values of keys under HKEY_CLASSES_ROOT (absent keys fail).
    INT_PTR shellResult = 42;
    UINT winExecResult = 33;
    std::map<std::string, std::string> classesRoot;

    std::vector<ShellCall> shellCalls;
    std::vector<std::string> registryReads;
    std::vector<WinExecCall> winExecCalls;
};

}  // namespace keyloom::test
