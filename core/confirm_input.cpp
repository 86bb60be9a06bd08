#include "core/confirm_input.h"

#include <string>

#include "core/env_text.h"
#include "core/text_rules.h"

namespace keyloom {

namespace {

bool HoldsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool HoldsSpace(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
        if (IsSpaceAt(text, pos)) return true;
    }
    return false;
}

// The marker a load stops at, and the line that must stand on its own.
bool HoldsReservedText(std::string_view text) {
    return FindAtCharStart(text, kSourceTelenv) != std::string_view::npos ||
           FindAtCharStart(text, kPreferencesMarker) != std::string_view::npos;
}

}  // namespace

bool IsConfirmInputAcceptable(std::string_view key, std::string_view command) {
    if (key.empty() || command.empty()) return false;
    if (HoldsLineBreak(key) || HoldsLineBreak(command)) return false;
    const std::string_view trimmedKey = TrimSpacesView(key);
    if (HoldsSpace(trimmedKey)) return false;
    if (HoldsReservedText(key) || HoldsReservedText(command)) return false;
    // The alias line puts one space between key and command, so the two
    // can make a reserved text together.
    std::string joined(trimmedKey);
    joined += ' ';
    joined += TrimSpacesView(command);
    return !HoldsReservedText(joined);
}

}  // namespace keyloom
