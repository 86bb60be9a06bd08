// Fuzzes reading and composing env text. On any bytes, reading and trimming
// must agree with the plain reference and nothing may crash; the entries
// built from the bytes must compose as the reference does, and those free of
// the known hazards must read back equal.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/env_text.h"
#include "core/text_rules.h"
#include "tests/core/reference_env_text.h"

namespace {

using keyloom::HotkeyEntry;

void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "env_text_fuzz: %s does not hold\n", what);
    std::abort();
}

// The input cut at zero bytes (which no text holds) into key, command, key,
// command and so on.
std::vector<HotkeyEntry> EntriesFrom(std::string_view input) {
    std::vector<HotkeyEntry> entries;
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t zero = input.find('\0', pos);
        parts.push_back(input.substr(pos, zero - pos));
        if (zero == std::string_view::npos) break;
        pos = zero + 1;
    }
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        entries.push_back({std::string(parts[i]), std::string(parts[i + 1])});
    }
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace reference = keyloom::reference;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    Check(keyloom::ParseEnvText(input) == reference::ParseEnvText(input), "reading as reference");
    Check(keyloom::TrimSpaces(input) == reference::Trim(input), "trimming as reference");
    Check(keyloom::TrimTrailingSpaces(input) == reference::TrimTrailing(input),
          "trailing trim as reference");

    const std::vector<HotkeyEntry> entries = EntriesFrom(input);
    const std::string text = keyloom::ComposeEnvText(entries);
    Check(text == reference::ComposeEnvText(entries), "composing as reference");
    std::vector<HotkeyEntry> safe;
    for (const HotkeyEntry& entry : entries) {
        if (reference::IsRoundTripSafe(entry)) safe.push_back(entry);
    }
    Check(keyloom::ParseEnvText(keyloom::ComposeEnvText(safe)) == safe, "round trip");

    // The same for what reading the input gave: a save and a new start
    // bring back every hotkey that has no hazard.
    safe.clear();
    for (const HotkeyEntry& entry : keyloom::ParseEnvText(input)) {
        if (reference::IsRoundTripSafe(entry)) safe.push_back(entry);
    }
    Check(keyloom::ParseEnvText(keyloom::ComposeEnvText(safe)) == safe, "round trip of read");
    return 0;
}
