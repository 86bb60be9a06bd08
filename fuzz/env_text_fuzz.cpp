// Fuzzes reading, composing and writing back env text. On any bytes,
// reading and trimming must agree with the plain reference and nothing may
// crash; the entries built from the bytes must compose as the reference
// does, and those free of the known hazards must read back equal. Written
// back unchanged, a document gives its text byte for byte; after deletes,
// adds and modifies chosen from the bytes, in two saves, every line that is
// not a hotkey line survives in order, and the file lists exactly the rows,
// each at the line its origin names.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
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

// A line's bytes with its line end, and whether it has one.
struct TextLine {
    std::string_view bytes;
    bool ended;
};

std::vector<TextLine> NonHotkeyLines(const EnvDocument& document) {
    std::vector<TextLine> lines;
    for (const keyloom::EnvLine& line : document.lines) {
        if (line.hotkey) continue;
        lines.push_back({std::string_view(document.text)
                             .substr(line.span.begin, line.span.End() - line.span.begin),
                         line.span.endLength != 0});
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

// Deletes, adds and modifies (a delete and an append with the row's verb),
// chosen by state.
void Edit(std::uint32_t& state, std::vector<HotkeyEntry>& rows, std::vector<RowOrigin>& origins) {
    const int operations = static_cast<int>(state % 6);
    for (int i = 0; i < operations; ++i) {
        state = state * 1103515245u + 12345u;
        keyloom::HotkeyVerb verb =
            (state >> 20) % 2 == 0 ? keyloom::HotkeyVerb::Alias : keyloom::HotkeyVerb::Funckey;
        const unsigned kind = (state >> 16) % 3;
        if (!rows.empty() && kind != 0) {
            const std::size_t row = (state >> 8) % rows.size();
            if (kind == 2) verb = origins[row].verb;
            rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
            origins.erase(origins.begin() + static_cast<std::ptrdiff_t>(row));
            if (kind == 1) continue;
        }
        // An inner tab stays in the command; the key is one the file may
        // already bind, so keys bound twice are written back too.
        rows.push_back({"F" + std::to_string(i), "cmd\t" + std::to_string(state % 97)});
        origins.push_back({keyloom::kNoLine, verb});
    }
}

// The rows in the order their origins give them in the file.
std::vector<HotkeyEntry> InFileOrder(const std::vector<HotkeyEntry>& rows,
                                     const std::vector<RowOrigin>& origins) {
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return origins[a].line < origins[b].line; });
    std::vector<HotkeyEntry> sorted;
    for (const std::size_t row : order) sorted.push_back(rows[row]);
    return sorted;
}

void CheckWritingBack(std::string_view text) {
    EnvDocument document = keyloom::ReadEnvDocument(text);
    const std::string_view lineEnd = keyloom::FirstLineEnd(text);
    std::vector<HotkeyEntry> rows;
    std::vector<RowOrigin> origins;
    keyloom::DocumentHotkeys(document, &rows, &origins);
    Check(rows == keyloom::ParseEnvText(text), "the document lists what reading lists");
    Check(keyloom::WriteDocument(document, rows, origins, lineEnd).document.text == text,
          "writing back unchanged");

    // A head whose last line ends in a lone lead byte takes the line end
    // added after it into its last character; nothing else changes what is
    // read.
    const std::string_view head = document.Head();
    const std::vector<std::size_t> starts = keyloom::reference::CharStarts(head);
    const bool loneLeadAtEnd =
        !head.empty() && keyloom::IsHighByte(head.back()) && starts.back() == head.size() - 1;

    std::uint32_t state = 2166136261u;
    for (const char c : text) state = (state ^ static_cast<unsigned char>(c)) * 16777619u;
    // Two saves: the second starts where the list's order is no longer the
    // file's.
    for (int save = 0; save < 2; ++save) {
        Edit(state, rows, origins);
        keyloom::WrittenDocument written = keyloom::WriteDocument(document, rows, origins, lineEnd);
        const std::vector<TextLine> before = NonHotkeyLines(document);
        const std::vector<TextLine> after = NonHotkeyLines(written.document);
        Check(before.size() == after.size(), "every other line survives");
        for (std::size_t i = 0; i < before.size(); ++i) {
            // Only a line without a line end may have gained one.
            const std::string_view was = before[i].bytes;
            const bool same = was == after[i].bytes ||
                              (!before[i].ended && after[i].bytes.substr(0, was.size()) == was);
            Check(same, "every other line survives in order");
        }
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const std::size_t line = written.origins[row].line;
            Check(line < written.document.lines.size() && written.document.lines[line].hotkey,
                  "every row has its hotkey line");
            Check(origins[row].line != keyloom::kNoLine || line < written.document.tailLine,
                  "new lines stand in the head");
        }
        if (!loneLeadAtEnd) {
            const std::string& file = written.document.text;
            Check(keyloom::HeadLength(file) == written.document.headLength, "the head ends there");
            Check(keyloom::ParseEnvText(file) == InFileOrder(rows, written.origins),
                  "the written file lists the rows where their origins say");
        }
        document = std::move(written.document);
        origins = std::move(written.origins);
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
