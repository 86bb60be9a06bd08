#include "tests/platform/shell_recorder.h"

#include <shellapi.h>

#include "platform/classes_root.h"
#include "platform/web_open.h"

namespace keyloom::test {

namespace {

ShellRecorder* gRecorder = nullptr;

HINSTANCE WINAPI FakeShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                  LPCSTR directory, INT show) {
    gRecorder->shellCalls.push_back(ShellCall{owner, verb ? verb : "", file ? file : "",
                                              parameters != nullptr, directory != nullptr, show});
    return reinterpret_cast<HINSTANCE>(gRecorder->shellResult);
}

UINT WINAPI FakeWinExec(LPCSTR commandLine, UINT show) {
    gRecorder->winExecCalls.push_back(WinExecCall{commandLine, show});
    return gRecorder->winExecResult;
}

bool FakeClassesRootDefault(const char* subKey, std::string* value) {
    gRecorder->registryReads.push_back(subKey);
    auto found = gRecorder->classesRoot.find(subKey);
    if (found == gRecorder->classesRoot.end()) return false;
    *value = found->second;
    return true;
}

}  // namespace

ShellRecorder::ShellRecorder() {
    gRecorder = this;
    gShellExecute = FakeShellExecute;
    gWinExec = FakeWinExec;
    gReadClassesRootDefault = FakeClassesRootDefault;
}

ShellRecorder::~ShellRecorder() {
    gShellExecute = &ShellExecuteA;
    gWinExec = &WinExec;
    gReadClassesRootDefault = &ReadClassesRootDefault;
    gRecorder = nullptr;
}

}  // namespace keyloom::test
