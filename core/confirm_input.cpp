#include "core/confirm_input.h"

#include <string>

#include "core/env_lines.h"
#include "core/env_text.h"
#include "core/text_rules.h"

namespace keyloom {

namespace {

bool HoldsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// A space or a tab: either ends a key when the line is read back.
bool HoldsBlank(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
        if (IsSpaceAt(text, pos) || text[pos] == '\t') return true;
    }
    return false;
}

// The part of a key outside its quotation marks: after the closing mark of
// a key that begins with ' or ", the whole key otherwise.
std::string_view UnquotedPart(std::string_view key) {
    const char mark = key.front();
    if (mark != '\'' && mark != '"') return key;
    const std::size_t close = FindByteAtCharStart(key, mark, 1);
    return close == std::string_view::npos ? key : key.substr(close + 1);
}

// The marker that ends the head, and the line that must stand on its own.
bool HoldsReservedText(std::string_view text) {
    return FindAtCharStart(text, kSourceTelenv) != std::string_view::npos ||
           FindAtCharStart(text, kPreferencesMarker) != std::string_view::npos;
}

}  // namespace

bool IsConfirmInputAcceptable(std::string_view key, std::string_view command) {
    if (key.empty() || command.empty()) return false;
    if (HoldsLineBreak(key) || HoldsLineBreak(command)) return false;
    const std::string_view trimmedKey = TrimBlanks(key);
    // Without a key the line would bind the command's first word.
    if (trimmedKey.empty() || HoldsBlank(UnquotedPart(trimmedKey))) return false;
    if (HoldsReservedText(key) || HoldsReservedText(command)) return false;
    // The alias line puts one space between key and command, so the two
    // can make a reserved text together.
    std::string line("alias ");
    line.append(trimmedKey).append(1, ' ').append(TrimBlanks(command));
    if (HoldsReservedText(std::string_view(line).substr(6))) return false;
    // And the line must give the key back: a key whose opening mark it
    // never closes would run on to such a mark in the command.
    HotkeyVerb verb;
    HotkeyEntry read;
    return ReadHotkeyLine(line, &verb, &read) && read.key == trimmedKey;
}

}  // namespace keyloom
