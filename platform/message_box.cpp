#include "platform/message_box.h"

#include "platform/program_text.h"

namespace keyloom {

std::string JoinedText(const std::vector<TextPiece>& text) {
    std::string joined;
    for (const TextPiece& piece : text) joined += piece.bytes;
    return joined;
}

int ShowSystemMessageBox(HWND owner, const std::vector<TextPiece>& text, const char* title,
                         unsigned style) {
    std::wstring wide;
    for (const TextPiece& piece : text) {
        wide += piece.kind == BoxText::EnvFile ? WideAnsiText(piece.bytes)
                                               : WideProgramText(piece.bytes);
    }
    return MessageBoxW(owner, wide.c_str(), WideProgramText(title ? title : "").c_str(), style);
}

}  // namespace keyloom
