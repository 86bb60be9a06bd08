// Shows the test window in a skin for a while, for looking at it:
//   skin_demo.exe [skin 1..37] [hue] [saturation] [brightness] [seconds]
// With no arguments: skin 1 with the program's values 110, 40, 10, for 5 s.
#include <cstdio>
#include <cstdlib>

#include "skin_test_support.h"

int main(int argc, char** argv) {
    const int index = argc > 1 ? std::atoi(argv[1]) : 1;
    const int hue = argc > 2 ? std::atoi(argv[2]) : 110;
    const int saturation = argc > 3 ? std::atoi(argv[3]) : 40;
    const int brightness = argc > 4 ? std::atoi(argv[4]) : 10;
    const int seconds = argc > 5 ? std::atoi(argv[5]) : 5;

    SkinLibrary lib = LoadSkinLibrary();
    if (lib.attachRes == nullptr || lib.setAero == nullptr) {
        std::fprintf(stderr, "SkinH_EL.dll not loaded\n");
        return 1;
    }
    TestWindow w = CreateTestWindow();
    AddListRow(w.list, "F2", "zoom fit");
    AddListRow(w.list, "F3", "add connect");

    const std::string skin = ReadShippedSkin(index);
    const int attached = Attach(lib, skin, hue, saturation, brightness);
    lib.setAero(0);
    std::printf("skin %d (%zu bytes): attach returned %d\n", index, skin.size(), attached);
    ShowAndPaint(w.top);
    PumpMessages(seconds * 1000);
    DestroyTestWindow(w);
    return attached ? 0 : 1;
}
