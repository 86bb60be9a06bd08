// Small remote control for the scripts: finds the visible window titled
// "Allegro Keyloom" (waiting up to 30 s), then closes it, sets its width,
// or clicks the button with a control id (button ids follow the control
// table: 按钮_添加 is 1016).
//   keyloom_poke close | width 474 | click 1016 | wait
#include <windows.h>

#include <cstdlib>
#include <cstring>

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
        HWND button = GetDlgItem(window, std::atoi(argv[2]));
        if (!button) return 1;
        SendMessageA(button, BM_CLICK, 0, 0);
    } else if (std::strcmp(argv[1], "wait") != 0) {
        return 2;
    }
    return 0;
}
