#include "core/carry_changes.h"

#include <algorithm>
#include <cstdint>

namespace keyloom {

namespace {

// Flags by line number, for lines of one store.
class LineFlags {
public:
    explicit LineFlags(std::size_t count) : flags_(count, 0) {}
    void Set(LineId id, std::uint8_t flag) { flags_[id] |= flag; }
    void Clear(LineId id, std::uint8_t flag) { flags_[id] &= static_cast<std::uint8_t>(~flag); }
    bool Has(LineId id, std::uint8_t flag) const { return (flags_[id] & flag) != 0; }

private:
    std::vector<std::uint8_t> flags_;
};

constexpr std::uint8_t kKnown = 1;      // in the file as last read or written
constexpr std::uint8_t kEdited = 2;     // in the user's lines
constexpr std::uint8_t kNow = 4;        // in the file as it stands
constexpr std::uint8_t kResult = 8;     // in the lines carried over
constexpr std::uint8_t kReplaced = 16;  // given a line end by the user's change

// The file now as lines: those this run knew keep their numbers. When
// most of the text is new, it is kept whole and its lines point into it;
// else each new line is copied.
LineSequence LinesNow(LineStore& store, const LineSequence& known, MatchedText& now) {
    std::size_t newBytes = 0;
    for (std::size_t j = 0; j < now.lines.size(); ++j) {
        if (now.knownPlace[j] == kUnmatched) newBytes += now.lines[j].length;
    }
    std::string_view text = now.text;
    const bool keepWhole = newBytes > now.text.size() / 2;
    if (keepWhole) text = store.KeepText(std::move(now.text));
    LineSequence lines;
    lines.reserve(now.lines.size());
    for (std::size_t j = 0; j < now.lines.size(); ++j) {
        if (now.knownPlace[j] != kUnmatched) {
            lines.push_back(known[now.knownPlace[j]]);
            continue;
        }
        const TextLine& line = now.lines[j];
        const LineMarks marks{line.marker, false};
        lines.push_back(
            keepWhole
                ? store.AddKeptLine(text.substr(line.begin, line.length), line.endLength, marks)
                : store.AddLine(text.substr(line.begin, line.length),
                                text.substr(line.begin + line.length, line.endLength), marks));
    }
    return lines;
}

}  // namespace

CarriedChanges CarryChanges(LineStore& store, const LineSequence& known, const LineSequence& edited,
                            MatchedText now) {
    CarriedChanges carried;
    carried.known = LinesNow(store, known, now);
    LineFlags flags(store.Count());
    for (LineId id : known) flags.Set(id, kKnown);
    for (LineId id : edited) flags.Set(id, kEdited);
    for (LineId id : carried.known) flags.Set(id, kNow | kResult);
    for (LineId id : edited) {
        const LineId from = store[id].endedFrom;
        if (!flags.Has(id, kKnown) && from != kNoLineId) flags.Set(from, kReplaced);
    }

    // What the user removed goes, where the file still holds it.
    for (LineId id : known) {
        if (flags.Has(id, kEdited)) continue;
        if (flags.Has(id, kNow)) {
            flags.Clear(id, kResult);
        } else if (store[id].hotkey && !flags.Has(id, kReplaced)) {
            carried.notRemoved.push_back(id);
        }
    }

    // What the user added goes after the nearest line before it, in the
    // user's lines, that the result holds; at the start when it was the
    // first line. When none of the lines before it is held any more (all
    // were Keyloom's own layout, say), a hotkey line goes where new hotkey
    // lines go. Lines of the layout come only into a file with no text; a
    // line given a line end comes only where its old self was.
    const bool emptyNow = carried.known.empty();
    // The added lines with the slot each goes into, in the user's order.
    std::vector<std::pair<std::uint32_t, LineId>> added;
    std::vector<std::uint32_t> placeInResult(store.Count(), 0);
    for (std::size_t i = 0; i < carried.known.size(); ++i) {
        placeInResult[carried.known[i]] = static_cast<std::uint32_t>(i + 1);
    }
    std::size_t anchorSlot = carried.known.size();
    const LineId anchor = InsertionAnchor(store, carried.known);
    if (anchor != kNoLineId) anchorSlot = placeInResult[anchor] - 1;
    // The slot the next added line goes into: 0 for the start, else 1 + the
    // place in carried.known of the line it follows. Homeless: lines stood
    // before it, but none the result holds.
    std::size_t slot = 0;
    bool homeless = false;
    for (LineId id : edited) {
        if (flags.Has(id, kKnown)) {
            if (flags.Has(id, kResult)) {
                slot = placeInResult[id];
                homeless = false;
            } else if (slot == 0) {
                homeless = true;
            }
            continue;
        }
        const LineRecord& line = store[id];
        const bool kept = !(line.layout && !emptyNow) &&
                          (line.endedFrom == kNoLineId || flags.Has(line.endedFrom, kNow));
        if (!kept) {
            if (slot == 0) homeless = true;
            continue;
        }
        if (homeless && line.hotkey) {
            slot = anchorSlot;
            homeless = false;
        }
        added.push_back({static_cast<std::uint32_t>(slot), id});
    }
    std::stable_sort(added.begin(), added.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    carried.lines.reserve(carried.known.size() + added.size());
    auto next = added.begin();
    auto addUpTo = [&](std::size_t slot) {
        for (; next != added.end() && next->first <= slot; ++next)
            carried.lines.push_back(next->second);
    };
    addUpTo(0);
    for (std::size_t i = 0; i < carried.known.size(); ++i) {
        const LineId id = carried.known[i];
        if (flags.Has(id, kResult)) carried.lines.push_back(id);
        addUpTo(i + 1);
    }
    return carried;
}

}  // namespace keyloom
