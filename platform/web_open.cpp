#include "platform/web_open.h"

#include <shellapi.h>

#include <optional>

#include "core/fallback_command.h"
#include "platform/classes_root.h"

namespace keyloom {

namespace {

// ShellExecuteA and WinExec report success with a value above 32.
constexpr UINT kLastFailure = 32;

std::optional<std::string> AssociatedWebCommand() {
    std::string fileType;
    if (!gReadClassesRootDefault(".htm", &fileType)) return std::nullopt;
    std::string command;
    if (!gReadClassesRootDefault((fileType + "\\shell\\open\\command").c_str(), &command)) {
        return std::nullopt;
    }
    return command;
}

}  // namespace

ShellExecuteFunction gShellExecute = &ShellExecuteA;
WinExecFunction gWinExec = &WinExec;
ClassesRootDefaultFunction gReadClassesRootDefault = &ReadClassesRootDefault;

bool OpenHyperlinkTarget(std::string_view target) {
    if (target.empty()) return false;
    const std::string file(target);
    HINSTANCE shellResult = gShellExecute(nullptr, "open", file.c_str(), nullptr, nullptr, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(shellResult) > INT_PTR{kLastFailure}) return true;

    std::optional<std::string> command = AssociatedWebCommand();
    if (!command) return false;
    std::optional<std::string> line = BuildFallbackCommandLine(*command, file);
    // A line Windows cannot take is not run: the open has failed.
    if (!line) return false;
    return gWinExec(line->c_str(), SW_SHOW) > kLastFailure;
}

void OpenWebAddress(std::string_view address) {
    HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
    const std::string file(address);
    // Nothing is reported whatever the shell returns.
    gShellExecute(owner, "open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace keyloom
