#include "app/program_end.h"

#include <windows.h>

#include "window/main_window.h"

namespace keyloom {

namespace {

bool gEndingFlag = false;

}  // namespace

void SetEndingFlag() {
    gEndingFlag = true;
}

void OnProgramWindowDestroyed() {
    if (gEndingFlag && !IsWindow(MainWindow())) PostQuitMessage(0);
}

}  // namespace keyloom
