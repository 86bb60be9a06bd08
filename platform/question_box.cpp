#include "platform/question_box.h"

#include "platform/program_text.h"

namespace keyloom {

namespace {

bool SystemQuestion(HWND owner, const std::vector<TextPiece>& text, const char* title) {
    std::wstring wide;
    for (const TextPiece& piece : text) {
        wide += piece.kind == BoxText::EnvFile ? WideAnsiText(piece.bytes)
                                               : WideProgramText(piece.bytes);
    }
    return MessageBoxW(owner, wide.c_str(), WideProgramText(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace

QuestionFunction gQuestionFunction = SystemQuestion;

bool AskYesNo(HWND owner, const std::vector<TextPiece>& text, const char* title) {
    return gQuestionFunction(owner, text, title);
}

std::string JoinedText(const std::vector<TextPiece>& text) {
    std::string joined;
    for (const TextPiece& piece : text) joined += piece.bytes;
    return joined;
}

}  // namespace keyloom
