// Opening web addresses through the Windows shell. The shell, registry and
// WinExec calls go through function pointers (the real ones by default), so
// tests can watch what would be opened without starting a browser.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace keyloom {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND owner, LPCSTR verb, LPCSTR file,
                                                LPCSTR parameters, LPCSTR directory, INT show);
using WinExecFunction = UINT(WINAPI*)(LPCSTR commandLine, UINT show);
// The default value of a key under HKEY_CLASSES_ROOT; false when the key
// cannot be opened or its default value is not text.
using ClassesRootDefaultFunction = bool (*)(const char* subKey, std::string* value);

extern ShellExecuteFunction gShellExecute;
extern WinExecFunction gWinExec;
extern ClassesRootDefaultFunction gReadClassesRootDefault;

// The hyperlink's open: the shell's "open" verb, else the program associated
// with ".htm" run through WinExec. True when either reports success; false
// for an empty target.
bool OpenHyperlinkTarget(std::string_view target);

// Opens a web address through the shell, owned by the first window titled
// "Microsoft Internet Explorer" if there is one; reports nothing.
void OpenWebAddress(std::string_view address);

}  // namespace keyloom
