#include "core/env_lines.h"

#include "core/text_rules.h"

namespace keyloom {

namespace {

constexpr auto npos = std::string_view::npos;

}  // namespace

std::size_t HeadLength(std::string_view text) {
    const std::size_t marker = FindAtCharStart(text, kPreferencesMarker);
    return marker == npos ? text.size() : marker;
}

LineSpan LineAt(std::string_view text, std::size_t pos) {
    const std::size_t lf = FindByteAtCharStart(text, '\n', pos);
    if (lf == npos) return {pos, text.size() - pos, 0};
    // The CR counts as part of the line end only where it is a character of
    // its own, not the second byte of a double-byte character.
    if (lf > pos && text[lf - 1] == '\r' && IsCharStart(text, lf - 1, pos)) {
        return {pos, lf - 1 - pos, 2};
    }
    return {pos, lf - pos, 1};
}

std::string_view FirstLineEnd(std::string_view text) {
    if (text.empty()) return "\r\n";
    const LineSpan first = LineAt(text, 0);
    return first.endLength == 1 ? std::string_view("\n") : std::string_view("\r\n");
}

bool ReadHotkeyLine(std::string_view line, HotkeyVerb* verb, HotkeyEntry* entry) {
    const std::size_t first = FindByteAtCharStart(line, ' ');
    // Fewer than two fields ("alias", "alias "): no key, no hotkey.
    if (first == npos || first + 1 == line.size()) return false;
    const std::string_view word = line.substr(0, first);
    if (word == kAliasVerb) {
        *verb = HotkeyVerb::Alias;
    } else if (word == kFunckeyVerb) {
        *verb = HotkeyVerb::Funckey;
    } else {
        return false;
    }
    // The fields are the pieces between single spaces, so field 2 is the
    // key and fields 3 onward joined by one space are exactly the bytes
    // after the second space; the trim then removes what a trailing
    // separator would have dropped.
    const std::size_t keyStart = first + 1;
    const std::size_t second = FindByteAtCharStart(line, ' ', keyStart);
    if (second == npos) {
        entry->key.assign(line.substr(keyStart));
        entry->command.clear();
        return true;
    }
    entry->key.assign(line.substr(keyStart, second - keyStart));
    entry->command.assign(TrimSpacesView(line.substr(second + 1)));
    return true;
}

}  // namespace keyloom
