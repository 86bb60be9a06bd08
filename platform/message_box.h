// The system's message box, its text made of pieces whose bytes are either
// the program's own or the env file's, each turned into wide text as its
// kind asks.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace keyloom {

// Whose bytes a piece of a box's text is: the program's own (code page
// 936, as every title is) or the env file's, in the system's ANSI code page.
enum class BoxText { Program, EnvFile };

struct TextPiece {
    std::string bytes;
    BoxText kind;
};

// The pieces' bytes, joined.
std::string JoinedText(const std::vector<TextPiece>& text);

// MessageBoxW with the pieces and the title as wide text; its answer.
int ShowSystemMessageBox(HWND owner, const std::vector<TextPiece>& text, const char* title,
                         unsigned style);

}  // namespace keyloom
