// Every box the program shows while it runs goes through here: a message,
// a yes/no question, or a long text (env数据). While one is up the main
// window takes no clicks and no keys; a box asked for meanwhile (a save
// that ends under a question, say) is shown when the first one closes; and
// afterwards the keyboard is back where it was. Tests answer through the
// seam.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace keyloom {

enum class BoxKind : std::uint8_t { Message, Question, LongText };

struct Box {
    BoxKind kind = BoxKind::Message;
    std::vector<TextPiece> text;
    std::string title;
    // A message's icon (MB_ICONERROR, or 0 for none).
    unsigned style = 0;
};

// Shows the box; true for 是 to a question. A question asked while another
// box is up is answered 否 at once.
bool ShowBox(Box box);

// What ShowBox calls to show one box: by default the system's message box
// (modal to the whole program, without an owner; a question owned by the
// main window) and the long-text box.
using BoxFunction = bool (*)(const Box& box);
extern BoxFunction gBoxFunction;

}  // namespace keyloom
