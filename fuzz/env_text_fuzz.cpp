// Fuzzes reading, composing and editing env text. On any bytes, reading
// and trimming must agree with the plain reference and nothing may crash;
// the entries built from the bytes must compose as the reference does, and
// those free of the known hazards must read back equal. Read into lines, a
// text composes back byte for byte; after deletes and adds chosen from the
// bytes every line that is not a hotkey line survives in order, and taking
// them all back gives the text again. Another writer's change, also chosen
// from the bytes, is matched line by line and the user's change carried
// onto it without losing a line of theirs.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/carry_changes.h"
#include "core/edited_lines.h"
#include "core/env_text.h"
#include "core/line_match.h"
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

// The lines of a sequence that are not hotkey lines, with their ends.
std::vector<std::string_view> OtherLines(const keyloom::LineStore& store,
                                         const keyloom::LineSequence& lines) {
    std::vector<std::string_view> other;
    for (keyloom::LineId id : lines) {
        if (!store[id].hotkey) other.push_back(store[id].WithEnd());
    }
    return other;
}

// Deletes and adds chosen by state, each a step, as the editing session
// makes them: a new hotkey line before the anchor, a line without a line
// end before it given one first. Undoing them all in reverse gives back
// every byte; between, every other line survives.
void CheckEditing(std::string_view text) {
    using namespace keyloom;
    LineStore store;
    EditedLines edited(store);
    edited.Assign(ReadLines(store, std::string(text)));
    Check(ComposeLines(store.View(), edited.Lines()) == text, "read lines compose to the text");
    std::vector<HotkeyEntry> rows;
    for (std::size_t i = 0; i < edited.Rows().Count(); ++i) {
        rows.push_back({std::string(edited.Rows().Key(i)), std::string(edited.Rows().Command(i))});
    }
    Check(rows == ParseEnvText(text), "the rows are what reading lists");
    const std::vector<std::string_view> others = OtherLines(store, edited.Lines());
    const LineSequence original = edited.Lines();
    const LineId anchor = InsertionAnchor(store, edited.Lines());
    const std::string_view lineEnd = NewLineEnd(store, edited.Lines());

    std::uint32_t state = 2166136261u;
    for (const char c : text) state = (state ^ static_cast<unsigned char>(c)) * 16777619u;
    EditSteps done;
    auto apply = [&](const EditStep& step) {
        if (edited.Apply(step, anchor).done) done.push_back(step);
    };
    for (int i = 0; i < 8; ++i) {
        state = state * 1103515245u + 12345u;
        const std::size_t count = edited.Rows().Count();
        if (count > 0 && (state >> 16) % 2 == 0) {
            apply(edited.RemoveStep(edited.Rows().IdAt((state >> 8) % count)));
            continue;
        }
        const long place =
            anchor == kNoLineId ? static_cast<long>(edited.Lines().size()) : edited.PlaceOf(anchor);
        if (place > 0) {
            const LineId before = edited.Lines()[static_cast<std::size_t>(place - 1)];
            if (store[before].endLength == 0) {
                const LineId ended = store.AddEnded(before, EndingFor(store[before], lineEnd));
                const int row = edited.Rows().IndexOf(before);
                apply(edited.RemoveStep(before));
                apply(edited.InsertStep(ended, anchor, row));
            }
        }
        const LineId line =
            AddHotkeyLine(store, (state >> 20) % 2 ? HotkeyVerb::Funckey : HotkeyVerb::Alias,
                          "F" + std::to_string(i), "cmd\t" + std::to_string(i), lineEnd);
        apply(edited.InsertStep(line, anchor, static_cast<int>(edited.Rows().Count())));
    }
    // Only a line that lacked a line end may have gained one.
    const std::vector<std::string_view> after = OtherLines(store, edited.Lines());
    Check(after.size() == others.size(), "every other line survives");
    for (std::size_t i = 0; i < others.size(); ++i) {
        Check(after[i] == others[i] || after[i].substr(0, others[i].size()) == others[i],
              "every other line survives in order");
    }
    Check(HotkeyLinesOf(store, edited.Lines()).size() == edited.Rows().Count(),
          "every row has its hotkey line");

    // Another writer's change, made from the bytes too: lines dropped and
    // lines added. Matched lines are the same and keep their order; carried
    // over, the file holds every line of theirs the user did not remove,
    // in their order, and every hotkey line the user added.
    std::string theirs;
    const std::vector<TextLine> split = SplitEnvLines(text);
    for (std::size_t i = 0; i < split.size(); ++i) {
        state = state * 1103515245u + 12345u;
        if ((state >> 16) % 5 == 0) continue;
        theirs.append(text.substr(split[i].begin, split[i].length + split[i].endLength));
        if ((state >> 18) % 7 == 0) theirs.append("alias Q theirs\n");
    }
    MatchedText matched = MatchLines(store.View(), original, theirs);
    std::uint32_t last = 0;
    bool first = true;
    for (std::size_t j = 0; j < matched.lines.size(); ++j) {
        const std::uint32_t place = matched.knownPlace[j];
        if (place == kUnmatched) continue;
        const TextLine& line = matched.lines[j];
        Check(store[original[place]].WithEnd() ==
                  std::string_view(theirs).substr(line.begin, line.length + line.endLength),
              "matched lines are the same");
        Check(first || place > last, "matched lines keep their order");
        last = place;
        first = false;
    }
    const CarriedChanges carried =
        CarryChanges(store, original, edited.Lines(), std::move(matched));
    Check(ComposeLines(store.View(), carried.known) == theirs, "the file now is theirs");
    std::vector<LineId> kept;
    for (LineId id : carried.known) {
        const bool removedByUser =
            std::find(original.begin(), original.end(), id) != original.end() &&
            std::find(edited.Lines().begin(), edited.Lines().end(), id) == edited.Lines().end();
        if (!removedByUser) kept.push_back(id);
    }
    std::vector<LineId> theirsInResult;
    for (LineId id : carried.lines) {
        if (std::find(carried.known.begin(), carried.known.end(), id) != carried.known.end()) {
            theirsInResult.push_back(id);
        }
    }
    Check(theirsInResult == kept, "their lines stay in their order");
    for (LineId id : edited.Lines()) {
        const bool added = std::find(original.begin(), original.end(), id) == original.end();
        if (added && store[id].hotkey && store[id].endedFrom == kNoLineId) {
            Check(std::find(carried.lines.begin(), carried.lines.end(), id) != carried.lines.end(),
                  "the user's new lines are carried");
        }
    }

    // Undone in reverse, every byte is back.
    for (auto step = done.rbegin(); step != done.rend(); ++step) {
        Check(edited.Apply(Inverse(*step), anchor).done, "every step can be taken back");
    }
    Check(ComposeLines(store.View(), edited.Lines()) == text, "undoing gives back the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace reference = keyloom::reference;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    Check(keyloom::ParseEnvText(input) == reference::ParseEnvText(input), "reading as reference");
    Check(std::string(keyloom::TrimSpacesView(input)) == reference::Trim(input),
          "trimming as reference");
    Check(std::string(keyloom::TrimTrailingSpacesView(input)) == reference::TrimTrailing(input),
          "trailing trim as reference");
    CheckComposing(input);
    // A text holds no zero byte.
    CheckEditing(input.substr(0, input.find('\0')));

    // A save and a new start bring back every hotkey that has no hazard.
    std::vector<HotkeyEntry> safe;
    for (const HotkeyEntry& entry : keyloom::ParseEnvText(input)) {
        if (reference::IsRoundTripSafe(entry)) safe.push_back(entry);
    }
    Check(keyloom::ParseEnvText(keyloom::ComposeEnvText(safe)) == safe, "round trip of read");
    return 0;
}
