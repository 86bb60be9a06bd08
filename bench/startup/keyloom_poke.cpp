// Small remote control for the scripts: finds the visible window titled
// "Allegro Keyloom" (waiting up to 30 s), then closes it, sets its width,
// clicks one of the four buttons of the list column or the panel's 按键,
// named by its job, or puts a text into the panel's key or command box.
//   keyloom_poke close | width 610 | click add|modify|delete|env|keys|confirm
//              | text key|command WORDS... | answer no | wait
// A click is posted, so a box it brings up does not hold the remote
// control; "answer no" answers a yes/no box of Keyloom's with 否.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "window/controls/control_ids.h"

namespace {

// The button's fixed control id, or 0.
int ButtonId(const char* job) {
    const struct {
        const char* job;
        int id;
    } kButtons[] = {{"add", keyloom::kAddButton},         {"modify", keyloom::kModifyButton},
                    {"delete", keyloom::kDeleteButton},   {"env", keyloom::kEnvContentButton},
                    {"keys", keyloom::kKeyCaptureButton}, {"confirm", keyloom::kConfirmButton}};
    for (const auto& button : kButtons) {
        if (std::strcmp(job, button.job) == 0) return button.id;
    }
    return 0;
}

// A control of the window, or of the edit panel's group box.
HWND Control(HWND window, int id) {
    HWND control = GetDlgItem(window, id);
    if (!control) control = GetDlgItem(GetDlgItem(window, keyloom::kPanelGroup), id);
    return control;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HWND window = nullptr;
    for (int waited = 0; waited < 30000 && !window; waited += 50) {
        window = FindWindowA(nullptr, "Allegro Keyloom");
        if (window && !IsWindowVisible(window)) window = nullptr;
        if (!window) Sleep(50);
    }
    if (!window) return 1;
    if (std::strcmp(argv[1], "close") == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    } else if (std::strcmp(argv[1], "width") == 0 && argc > 2) {
        RECT rect;
        GetWindowRect(window, &rect);
        SetWindowPos(window, nullptr, 0, 0, std::atoi(argv[2]), rect.bottom - rect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (std::strcmp(argv[1], "click") == 0 && argc > 2) {
        const int id = ButtonId(argv[2]);
        HWND button = id ? Control(window, id) : nullptr;
        if (!button) return 1;
        PostMessageA(button, BM_CLICK, 0, 0);
    } else if (std::strcmp(argv[1], "text") == 0 && argc > 3) {
        const bool key = std::strcmp(argv[2], "key") == 0;
        HWND box = Control(window, key ? keyloom::kKeyBox : keyloom::kCommandBox);
        if (!box) return 1;
        // The words given, one space between (a launcher may split them).
        std::string text = argv[3];
        for (int i = 4; i < argc; ++i) text += std::string(" ") + argv[i];
        SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    } else if (std::strcmp(argv[1], "answer") == 0) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        HWND box = nullptr;
        while ((box = FindWindowExA(nullptr, box, "#32770", nullptr)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(box, &owner);
            if (owner == process) PostMessageA(box, WM_COMMAND, IDNO, 0);
        }
    } else if (std::strcmp(argv[1], "wait") != 0) {
        return 2;
    }
    return 0;
}
