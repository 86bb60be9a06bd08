// ParseEnvText: the hotkey lines above the preferences marker, each split at
// single spaces into the key (second field) and the command (the rest).
// Works on views of the text; bytes are copied only into the entries, and
// into one new head when "source $TELENV" stands anywhere but at its start.
#include <string>
#include <string_view>
#include <vector>

#include "core/env_text.h"
#include "core/text_rules.h"

namespace keyloom {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr auto npos = std::string_view::npos;

// The head without "source $TELENV". A file written by us holds it once, at
// the very start: then the head is a view and nothing is copied.
std::string_view WithoutSourceTelenv(std::string_view head, std::string& storage) {
    const std::size_t first = FindAtCharStart(head, kSourceTelenv);
    if (first == npos) return head;
    const std::size_t rest = first + kSourceTelenv.size();
    if (first == 0 && FindAtCharStart(head, kSourceTelenv, rest) == npos) return head.substr(rest);
    storage = RemoveAll(head, kSourceTelenv);
    return storage;
}

// One hotkey line (non-empty, beginning at a character start) as an entry.
// The fields are the pieces between single spaces, so field 2 is the key and
// fields 3 onward joined by one space are exactly the bytes after the second
// space; the trim then removes what a trailing separator would have dropped.
void AppendHotkeyLine(std::string_view line, std::vector<HotkeyEntry>& entries) {
    HotkeyEntry& entry = entries.emplace_back();
    const std::size_t first = FindByteAtCharStart(line, ' ');
    if (first == npos || first + 1 == line.size()) {
        // Fewer than two fields: no key. The line is kept as the command.
        entry.command = TrimSpacesView(line);
        return;
    }
    const std::size_t keyStart = first + 1;
    const std::size_t second = FindByteAtCharStart(line, ' ', keyStart);
    if (second == npos) {
        entry.key = line.substr(keyStart);
        return;
    }
    entry.key = line.substr(keyStart, second - keyStart);
    entry.command = TrimSpacesView(line.substr(second + 1));
}

// The end of the line that begins at pos: the first CR LF at a character
// start, or the end of head.
std::size_t LineEnd(std::string_view head, std::size_t pos) {
    for (;;) {
        pos = FindByteAtCharStart(head, '\r', pos);
        if (pos == npos) return head.size();
        if (pos + 1 < head.size() && head[pos + 1] == '\n') return pos;
        ++pos;  // a lone CR is a character of its own, so a start follows
    }
}

}  // namespace

std::vector<HotkeyEntry> ParseEnvText(std::string_view text) {
    std::vector<HotkeyEntry> entries;
    const std::size_t marker = FindAtCharStart(text, kPreferencesMarker);
    if (marker == npos || marker == 0) return entries;

    std::string storage;
    const std::string_view head =
        TrimSpacesView(WithoutSourceTelenv(text.substr(0, marker), storage));
    // Room for one entry per 16 bytes, about the shortest alias line, spares
    // moving millions of entries as a large list grows; room that no entry
    // needs is never touched.
    entries.reserve(head.size() / 16 + 1);
    std::size_t pos = 0;
    while (pos < head.size()) {
        const std::size_t end = LineEnd(head, pos);
        if (end > pos) AppendHotkeyLine(head.substr(pos, end - pos), entries);
        pos = end + kLineEnd.size();
    }
    return entries;
}

}  // namespace keyloom
