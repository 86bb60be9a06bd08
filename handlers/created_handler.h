// The main window's created handler.
#pragma once

namespace keyloom {

// Skin, narrow size, EnvFilePath, the slide timer, pointers, the hotkeys.
void OnMainWindowCreated();

}  // namespace keyloom
