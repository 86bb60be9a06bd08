#include "core/env_lines.h"

#include "core/text_rules.h"

namespace keyloom {

namespace {

constexpr auto npos = std::string_view::npos;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The first space or tab from pos on, as Allegro splits its lines.
std::size_t FindBlank(std::string_view line, std::size_t pos) {
    const std::size_t space = FindByteAtCharStart(line, ' ', pos);
    const std::size_t tab = FindByteAtCharStart(line, '\t', pos);
    return space < tab ? space : tab;
}

// Where the key that begins at start ends: at the next blank, which for a
// key in quotation marks is the next one after its closing mark; a key
// whose mark is never closed ends at the next blank like any other.
std::size_t KeyEnd(std::string_view line, std::size_t start) {
    std::size_t from = start;
    const char mark = line[start];
    if (mark == '\'' || mark == '"') {
        const std::size_t close = FindByteAtCharStart(line, mark, start + 1);
        if (close != npos) from = close + 1;
    }
    const std::size_t blank = FindBlank(line, from);
    return blank == npos ? line.size() : blank;
}

}  // namespace

std::size_t HeadLength(std::string_view text) {
    const std::size_t marker = FindAtCharStart(text, kPreferencesMarker);
    return marker == npos ? text.size() : marker;
}

std::string_view TrimBlanks(std::string_view text) {
    for (;;) {
        std::string_view trimmed = TrimSpacesView(text);
        while (!trimmed.empty() && trimmed.front() == '\t') trimmed.remove_prefix(1);
        // A tab byte after a lead byte is that character's second byte.
        while (!trimmed.empty() && trimmed.back() == '\t' &&
               IsCharStart(trimmed, trimmed.size() - 1)) {
            trimmed.remove_suffix(1);
        }
        if (trimmed.size() == text.size()) return trimmed;
        text = trimmed;
    }
}

std::string_view FirstLineEnd(std::string_view text) {
    if (text.empty()) return "\r\n";
    const LineSpan first = LineAt(text, 0);
    return first.endLength == 1 ? std::string_view("\n") : std::string_view("\r\n");
}

bool ReadHotkeySpans(std::string_view line, HotkeySpans* spans) {
    const std::size_t first = FindBlank(line, 0);
    if (first == npos) return false;
    const std::string_view word = line.substr(0, first);
    if (word == kAliasVerb) {
        spans->verb = HotkeyVerb::Alias;
    } else if (word == kFunckeyVerb) {
        spans->verb = HotkeyVerb::Funckey;
    } else {
        return false;
    }
    // Each space or tab byte after a blank is a character of its own.
    std::size_t keyStart = first + 1;
    while (keyStart < line.size() && IsBlank(line[keyStart])) ++keyStart;
    if (keyStart == line.size()) return false;
    const std::size_t keyEnd = KeyEnd(line, keyStart);
    spans->keyBegin = keyStart;
    spans->keyLength = keyEnd - keyStart;
    const std::string_view rest = line.substr(keyEnd);
    const std::string_view command = TrimBlanks(rest);
    spans->commandBegin = command.empty() ? line.size() : keyEnd + (command.data() - rest.data());
    spans->commandLength = command.size();
    return true;
}

bool ReadHotkeyLine(std::string_view line, HotkeyVerb* verb, HotkeyEntry* entry) {
    HotkeySpans spans;
    if (!ReadHotkeySpans(line, &spans)) return false;
    *verb = spans.verb;
    entry->key.assign(line.substr(spans.keyBegin, spans.keyLength));
    entry->command.assign(line.substr(spans.commandBegin, spans.commandLength));
    return true;
}

}  // namespace keyloom
