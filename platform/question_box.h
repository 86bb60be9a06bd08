// A yes/no question in a box owned by a window. Its text is made of pieces
// whose bytes are either the program's own or the env file's, each turned
// into wide text as its kind asks. Tests answer through the seam.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace keyloom {

struct TextPiece {
    std::string bytes;
    BoxText kind;
};

// True for 是 (Yes).
bool AskYesNo(HWND owner, const std::vector<TextPiece>& text, const char* title);

// The function AskYesNo calls, given the pieces' bytes joined; by default
// the system's box with a question icon.
using QuestionFunction = bool (*)(HWND owner, const std::vector<TextPiece>& text,
                                  const char* title);
extern QuestionFunction gQuestionFunction;

// The pieces' bytes, joined.
std::string JoinedText(const std::vector<TextPiece>& text);

}  // namespace keyloom
