// The line rules of the env file, shared by everything that reads it: where
// the head ends, where each line ends, and which lines are hotkey lines. A
// line ends at LF, with or without a CR before it; a lone CR is an ordinary
// byte; the last line may have no line end. The marker always begins a line
// of its own: where it stands inside a line, the part before it is the
// head's last line. A hotkey line, in the head or in the tail, begins with
// "alias " or "funckey " and has a key after the spaces that follow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/env_text.h"
#include "core/text_lines.h"

namespace keyloom {

enum class HotkeyVerb : std::uint8_t { Alias, Funckey };

inline constexpr std::string_view kAliasVerb = "alias";
inline constexpr std::string_view kFunckeyVerb = "funckey";

inline std::string_view VerbWord(HotkeyVerb verb) {
    return verb == HotkeyVerb::Funckey ? kFunckeyVerb : kAliasVerb;
}

// The length of the head: the bytes before the first marker that begins at
// a character start, or the whole text when there is none.
std::size_t HeadLength(std::string_view text);

// Calls visit(span) for every line of text in order: the head's lines
// (headLength is HeadLength(text)), then the tail's, the first of which
// begins with the marker.
template <typename Visit>
void ForEachEnvLine(std::string_view text, std::size_t headLength, Visit&& visit) {
    for (std::size_t pos = 0; pos < text.size();) {
        const LineSpan span =
            LineAt(text.substr(0, pos < headLength ? headLength : text.size()), pos);
        visit(span);
        pos = span.End();
    }
}

// The line end of a text's first line: "\r\n" or "\n"; "\r\n" when the text
// has no line end at all.
std::string_view FirstLineEnd(std::string_view text);

// The text without the spaces (0x20 and A1 A1, at character starts) and
// tabs around it, and without a lone lead byte at its end: a hotkey line's
// command as read, and what a confirm keeps of the boxes.
std::string_view TrimBlanks(std::string_view text);

// When line (without its line end) is a hotkey line, its verb, key and
// command. Allegro splits at blanks, spaces (0x20) and tabs alike: the verb
// ends at the first blank, the key begins after the run of blanks that
// follows and ends at the next blank or the end of the line; a key that
// begins with a quotation mark (' or ") runs to the next same mark, blanks
// included, and on to the next blank. The command is the rest of the line
// without the spaces and tabs around it. False for every other line, and
// for a verb without a key ("alias", "alias \t ").
bool ReadHotkeyLine(std::string_view line, HotkeyVerb* verb, HotkeyEntry* entry);

// The same, as places in line: where the key and the command lie.
struct HotkeySpans {
    HotkeyVerb verb;
    std::size_t keyBegin, keyLength;
    std::size_t commandBegin, commandLength;
};
bool ReadHotkeySpans(std::string_view line, HotkeySpans* spans);

}  // namespace keyloom
