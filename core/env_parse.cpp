// ParseEnvText: the hotkey lines of the head, in file order. It walks the
// lines with the same rules as the env document, without keeping them:
// bytes are copied only into the entries.
#include <string>
#include <string_view>
#include <vector>

#include "core/env_lines.h"
#include "core/env_text.h"

namespace keyloom {

std::vector<HotkeyEntry> ParseEnvText(std::string_view text) {
    std::vector<HotkeyEntry> entries;
    const std::string_view head = text.substr(0, HeadLength(text));
    // Room for one entry per 16 bytes, about the shortest alias line, spares
    // moving millions of entries as a large list grows; room that no entry
    // needs is never touched.
    entries.reserve(head.size() / 16 + 1);
    HotkeyEntry entry;
    HotkeyVerb verb;
    for (std::size_t pos = 0; pos < head.size();) {
        const LineSpan line = LineAt(head, pos);
        if (ReadHotkeyLine(head.substr(line.begin, line.length), &verb, &entry)) {
            entries.push_back(std::move(entry));
        }
        pos = line.End();
    }
    return entries;
}

}  // namespace keyloom
