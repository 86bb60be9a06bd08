// Fuzzes reading, composing and writing back env text. On any bytes,
// reading and trimming must agree with the plain reference and nothing may
// crash; the entries built from the bytes must compose as the reference
// does, and those free of the known hazards must read back equal. Written
// back unchanged, a document gives its text byte for byte; after deletes and
// adds chosen from the bytes, every line that is not a hotkey line survives
// in order, and the file lists exactly the rows.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/env_document.h"
#include "core/env_text.h"
#include "core/text_rules.h"
#include "tests/core/reference_env_text.h"

namespace {

using keyloom::EnvDocument;
using keyloom::HotkeyEntry;
using keyloom::RowOrigin;

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

std::vector<std::string_view> NonHotkeyLines(const EnvDocument& document) {
    std::vector<std::string_view> lines;
    for (const keyloom::EnvLine& line : document.lines) {
        if (line.hotkey) continue;
        lines.push_back(std::string_view(document.head)
                            .substr(line.span.begin, line.span.End() - line.span.begin));
    }
    return lines;
}

void CheckComposing(std::string_view input) {
    namespace reference = keyloom::reference;
    const std::vector<HotkeyEntry> entries = EntriesFrom(input);
    const std::string text = keyloom::ComposeEnvText(entries);
    Check(text == reference::ComposeEnvText(entries), "composing as reference");
    std::vector<HotkeyEntry> safe;
    for (const HotkeyEntry& entry : entries) {
        if (reference::IsRoundTripSafe(entry)) safe.push_back(entry);
    }
    Check(keyloom::ParseEnvText(keyloom::ComposeEnvText(safe)) == safe, "round trip");
}

void CheckWritingBack(std::string_view text) {
    const EnvDocument document = keyloom::ReadEnvDocument(text);
    const std::string_view tail = text.substr(document.head.size());
    const std::string_view lineEnd = keyloom::FirstLineEnd(text);
    std::vector<HotkeyEntry> rows;
    std::vector<RowOrigin> origins;
    keyloom::DocumentHotkeys(document, &rows, &origins);
    Check(rows == keyloom::ParseEnvText(text), "the document lists what reading lists");
    Check(keyloom::WriteHead(document, rows, origins, lineEnd).document.head == document.head,
          "writing back unchanged");

    // Deletes and adds chosen by the bytes of the text.
    std::uint32_t state = 2166136261u;
    for (const char c : text) state = (state ^ static_cast<unsigned char>(c)) * 16777619u;
    const int operations = static_cast<int>(state % 6);
    for (int i = 0; i < operations; ++i) {
        state = state * 1103515245u + 12345u;
        if (!rows.empty() && (state >> 16) % 2 == 0) {
            const std::size_t row = (state >> 8) % rows.size();
            rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
            origins.erase(origins.begin() + static_cast<std::ptrdiff_t>(row));
        } else {
            rows.push_back({"F" + std::to_string(i), "cmd " + std::to_string(state % 97)});
            origins.push_back({keyloom::kNoLine, (state >> 20) % 2 == 0
                                                     ? keyloom::HotkeyVerb::Alias
                                                     : keyloom::HotkeyVerb::Funckey});
        }
    }
    const keyloom::WrittenHead written = keyloom::WriteHead(document, rows, origins, lineEnd);
    std::vector<std::string_view> before = NonHotkeyLines(document);
    const std::vector<std::string_view> after = NonHotkeyLines(written.document);
    Check(before.size() == after.size(), "every other line survives");
    for (std::size_t i = 0; i < before.size(); ++i) {
        // Only the last line may have gained a line end.
        const bool same =
            before[i] == after[i] ||
            (i + 1 == before.size() && after[i].substr(0, before[i].size()) == before[i]);
        Check(same, "every other line survives in order");
    }
    // A last line that ends in a lone lead byte takes the line end added
    // after it into its last character; nothing else changes what is read.
    const std::vector<std::size_t> starts = keyloom::reference::CharStarts(document.head);
    const bool loneLeadAtEnd = !document.head.empty() &&
                               keyloom::IsHighByte(document.head.back()) &&
                               starts.back() == document.head.size() - 1;
    if (!loneLeadAtEnd) {
        std::string file = written.document.head;
        file.append(tail);
        Check(keyloom::ParseEnvText(file) == rows, "the written file lists the rows");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace reference = keyloom::reference;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    Check(keyloom::ParseEnvText(input) == reference::ParseEnvText(input), "reading as reference");
    Check(keyloom::TrimSpaces(input) == reference::Trim(input), "trimming as reference");
    Check(keyloom::TrimTrailingSpaces(input) == reference::TrimTrailing(input),
          "trailing trim as reference");
    CheckComposing(input);
    // A text holds no zero byte.
    CheckWritingBack(input.substr(0, input.find('\0')));

    // A save and a new start bring back every hotkey that has no hazard.
    std::vector<HotkeyEntry> safe;
    for (const HotkeyEntry& entry : keyloom::ParseEnvText(input)) {
        if (reference::IsRoundTripSafe(entry)) safe.push_back(entry);
    }
    Check(keyloom::ParseEnvText(keyloom::ComposeEnvText(safe)) == safe, "round trip of read");
    return 0;
}
