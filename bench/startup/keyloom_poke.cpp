// Small remote control for the scripts: finds the visible window titled
// "Allegro Keyloom" (waiting up to 30 s), then closes it, sets its width,
// or clicks one of the four buttons of the list column, named by its job.
//   keyloom_poke close | width 474 | click add|modify|delete|env | wait
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "window/controls/control_ids.h"

namespace {

// The button's fixed control id, or 0.
int ButtonId(const char* job) {
    const struct {
        const char* job;
        int id;
    } kButtons[] = {{"add", keyloom::kAddButtonId},
                    {"modify", keyloom::kModifyButtonId},
                    {"delete", keyloom::kDeleteButtonId},
                    {"env", keyloom::kEnvContentButtonId}};
    for (const auto& button : kButtons) {
        if (std::strcmp(job, button.job) == 0) return button.id;
    }
    return 0;
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
        HWND button = id ? GetDlgItem(window, id) : nullptr;
        if (!button) return 1;
        SendMessageA(button, BM_CLICK, 0, 0);
    } else if (std::strcmp(argv[1], "wait") != 0) {
        return 2;
    }
    return 0;
}
