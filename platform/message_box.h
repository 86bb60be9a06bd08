// Message boxes go through one function pointer, so tests can watch them
// without a box blocking the run.
#pragma once

namespace keyloom {

// Whose bytes a box's text is: the program's own (code page 936, as every
// title is) or the env file's, in the system's ANSI code page.
enum class BoxText { Program, EnvFile };

using MessageBoxFunction = int (*)(const char* text, const char* title, unsigned style,
                                   BoxText textKind);

// Shows a box modal to the whole application, without an owner window.
int ShowMessageBox(const char* text, const char* title, unsigned style,
                   BoxText textKind = BoxText::Program);

// The function that ShowMessageBox calls; by default the system's box,
// given its texts as wide text.
extern MessageBoxFunction gMessageBoxFunction;

}  // namespace keyloom
