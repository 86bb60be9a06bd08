#include "core/env_lines.h"

#include "core/text_rules.h"

namespace keyloom {

namespace {

constexpr auto npos = std::string_view::npos;

// Where the key that begins at start ends: at the next space, which for a
// key in quotation marks is the next one after its closing mark; a key
// whose mark is never closed ends at the next space like any other.
std::size_t KeyEnd(std::string_view line, std::size_t start) {
    std::size_t from = start;
    const char mark = line[start];
    if (mark == '\'' || mark == '"') {
        const std::size_t close = FindByteAtCharStart(line, mark, start + 1);
        if (close != npos) from = close + 1;
    }
    const std::size_t space = FindByteAtCharStart(line, ' ', from);
    return space == npos ? line.size() : space;
}

}  // namespace

std::size_t HeadLength(std::string_view text) {
    const std::size_t marker = FindAtCharStart(text, kPreferencesMarker);
    return marker == npos ? text.size() : marker;
}

std::string_view FirstLineEnd(std::string_view text) {
    if (text.empty()) return "\r\n";
    const LineSpan first = LineAt(text, 0);
    return first.endLength == 1 ? std::string_view("\n") : std::string_view("\r\n");
}

bool ReadHotkeyLine(std::string_view line, HotkeyVerb* verb, HotkeyEntry* entry) {
    const std::size_t first = FindByteAtCharStart(line, ' ');
    if (first == npos) return false;
    const std::string_view word = line.substr(0, first);
    if (word == kAliasVerb) {
        *verb = HotkeyVerb::Alias;
    } else if (word == kFunckeyVerb) {
        *verb = HotkeyVerb::Funckey;
    } else {
        return false;
    }
    // Each 0x20 byte after a space is a character of its own.
    std::size_t keyStart = first + 1;
    while (keyStart < line.size() && line[keyStart] == ' ') ++keyStart;
    if (keyStart == line.size()) return false;
    const std::size_t keyEnd = KeyEnd(line, keyStart);
    entry->key.assign(line.substr(keyStart, keyEnd - keyStart));
    entry->command.assign(TrimSpacesView(line.substr(keyEnd)));
    return true;
}

}  // namespace keyloom
