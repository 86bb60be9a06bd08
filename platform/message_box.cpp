#include "platform/message_box.h"

#include <windows.h>

namespace keyloom {

static int SystemMessageBox(const char* text, const char* title, unsigned style) {
    return MessageBoxA(nullptr, text, title, style | MB_TASKMODAL);
}

MessageBoxFunction gMessageBoxFunction = SystemMessageBox;

int ShowMessageBox(const char* text, const char* title, unsigned style) {
    return gMessageBoxFunction(text, title, style);
}

}  // namespace keyloom
