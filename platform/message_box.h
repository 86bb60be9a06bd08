// Message boxes go through one function pointer, so tests can watch them
// without a box blocking the run.
#pragma once

namespace keyloom {

using MessageBoxFunction = int (*)(const char* text, const char* title, unsigned style);

// Shows a box modal to the whole application, without an owner window.
int ShowMessageBox(const char* text, const char* title, unsigned style);

// The function that ShowMessageBox calls; the real MessageBoxA by default.
extern MessageBoxFunction gMessageBoxFunction;

}  // namespace keyloom
