// The main window's created handler.
#pragma once

namespace keyloom {

// Skin, narrow size, the slide timer, pointers, and the hotkeys of the env
// file beside the program.
void OnMainWindowCreated();

}  // namespace keyloom
