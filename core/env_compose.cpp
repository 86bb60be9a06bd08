// ComposeEnvText: header, one alias line per entry, fixed tail block. The
// size is known before anything is copied, so the text is allocated once.
#include <cstring>
#include <string>
#include <vector>

#include "core/env_layout.h"
#include "core/env_text.h"
#include "core/text_rules.h"

namespace keyloom {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

char* Put(char* out, std::string_view bytes) {
    if (!bytes.empty()) std::memcpy(out, bytes.data(), bytes.size());
    return out + bytes.size();
}

}  // namespace

std::string ComposeEnvText(const std::vector<HotkeyEntry>& entries) {
    // Trailing spaces (and a lone lead byte, which would swallow the space or
    // CR after it) are dropped from key and command; leading ones stay.
    std::size_t size = kEnvHeader.size() + kEnvTailBlock.size();
    for (const HotkeyEntry& entry : entries) {
        size += kAliasPrefix.size() + TrimTrailingSpacesView(entry.key).size() + 1 +
                TrimTrailingSpacesView(entry.command).size() + kLineEnd.size();
    }
    std::string text(size, '\0');
    char* out = Put(text.data(), kEnvHeader);
    for (const HotkeyEntry& entry : entries) {
        out = Put(out, kAliasPrefix);
        out = Put(out, TrimTrailingSpacesView(entry.key));
        *out++ = ' ';
        out = Put(out, TrimTrailingSpacesView(entry.command));
        out = Put(out, kLineEnd);
    }
    Put(out, kEnvTailBlock);
    return text;
}

}  // namespace keyloom
