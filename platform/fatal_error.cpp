#include "platform/fatal_error.h"

#include <windows.h>

#include <cstdio>

#include "platform/exit_routine.h"
#include "platform/program_text.h"
#include "platform/skin_commands.h"

namespace keyloom {

std::size_t FormatFatalErrorText(char* out, std::size_t capacity, const char* message, int code) {
    if (capacity == 0) return 0;
    std::size_t length = 0;
    auto append = [&](const char* format, auto... values) {
        if (length + 1 >= capacity) return;
        int written = std::snprintf(out + length, capacity - length, format, values...);
        if (written > 0) length += static_cast<std::size_t>(written);
        if (length >= capacity) length = capacity - 1;
    };
    out[0] = '\0';
    append("%s", "运行时出错!\r\n\r\n");
    if (code != 0) append("错误代码：%d\r\n\r\n", code);
    if (message && message[0] != '\0') append("错误信息：%s\r\n", message);
    return length;
}

std::string FatalErrorText(const char* message, int code) {
    char text[4096];
    std::size_t length = FormatFatalErrorText(text, sizeof text, message, code);
    return std::string(text, length);
}

std::size_t FormatAllocationFailure(char* out, std::size_t capacity, unsigned long long size) {
    int written = std::snprintf(out, capacity, "分配 %llu 字节内存失败!", size);
    return written < 0 ? 0 : static_cast<std::size_t>(written);
}

void FatalError(const char* message, int code) {
    // Fixed buffers: this also reports a failed allocation.
    static char text[4096];
    static wchar_t wideText[sizeof text];
    static wchar_t wideTitle[16];
    const std::size_t length = FormatFatalErrorText(text, sizeof text, message, code);
    WideProgramText(std::string_view(text, length), wideText, sizeof wideText / sizeof *wideText);
    WideProgramText("错误", wideTitle, sizeof wideTitle / sizeof *wideTitle);
    MessageBoxW(nullptr, wideText, wideTitle, MB_ICONERROR);
    ClearExitRoutine();
    ReleaseSkinCommandHandles();
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace keyloom
