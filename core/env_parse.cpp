// ParseEnvText: the hotkey lines of the whole text, head and tail, in file
// order. It walks the lines with the same rules as the env document, without
// keeping them: bytes are copied only into the entries.
#include <string>
#include <string_view>
#include <vector>

#include "core/env_lines.h"
#include "core/env_text.h"

namespace keyloom {

std::vector<HotkeyEntry> ParseEnvText(std::string_view text) {
    std::vector<HotkeyEntry> entries;
    // Room for one entry per 16 bytes, about the shortest alias line, spares
    // moving millions of entries as a large list grows; room that no entry
    // needs is never touched.
    entries.reserve(text.size() / 16 + 1);
    HotkeyEntry entry;
    HotkeyVerb verb;
    ForEachEnvLine(text, HeadLength(text), [&](const LineSpan& line) {
        if (ReadHotkeyLine(text.substr(line.begin, line.length), &verb, &entry)) {
            entries.push_back(std::move(entry));
        }
    });
    return entries;
}

}  // namespace keyloom
