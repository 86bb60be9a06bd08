#include "platform/message_box.h"

#include <windows.h>

#include <string>

#include "platform/program_text.h"

namespace keyloom {

static int SystemMessageBox(const char* text, const char* title, unsigned style, BoxText textKind) {
    const std::wstring wideText =
        textKind == BoxText::EnvFile ? WideAnsiText(text) : WideProgramText(text);
    return MessageBoxW(nullptr, wideText.c_str(), WideProgramText(title).c_str(),
                       style | MB_TASKMODAL);
}

MessageBoxFunction gMessageBoxFunction = SystemMessageBox;

int ShowMessageBox(const char* text, const char* title, unsigned style, BoxText textKind) {
    return gMessageBoxFunction(text, title, style, textKind);
}

}  // namespace keyloom
