// An env text as a sequence of lines of the store: reading a text into
// one, writing one back, and where new hotkey lines go in it. A sequence's
// text is its lines' bytes one after the other, nothing added.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/line_store.h"

namespace keyloom {

using LineSequence = std::vector<LineId>;

// The lines of a text (its bytes up to the first zero byte), by the env
// rules: a line ends at LF with or without CR; the first marker at a
// character start begins a line of its own, Allegro's section.
struct TextLine {
    std::size_t begin;
    std::size_t length;
    std::size_t endLength;
    bool marker;
};
std::vector<TextLine> SplitEnvLines(std::string_view text);

// Reads text into the store, keeping it whole: its lines, in order.
LineSequence ReadLines(LineStore& store, std::string text);

// The sequence's text.
std::string ComposeLines(const LineStoreView& store, const LineSequence& lines);
// Whether the sequence's text is text, without making it.
bool ComposesTo(const LineStoreView& store, const LineSequence& lines, std::string_view text);

// The hotkey lines of a sequence, in its order.
std::vector<LineId> HotkeyLinesOf(const LineStore& store, const LineSequence& lines);

// Where new hotkey lines go: before the returned line, or at the end for
// kNoLineId. Right after the last hotkey line before Allegro's section;
// with none there, before the last line before the section when that is
// empty, else right before the section (at the end without one).
LineId InsertionAnchor(const LineStore& store, const LineSequence& lines);

// The line end new lines are given: the first line's, CR LF when it has
// none.
std::string_view NewLineEnd(const LineStore& store, const LineSequence& lines);

// The line end to give a line that lacks one so another can follow it: a
// line that ends in a CR of its own takes CR LF (an LF alone would make
// that CR part of the line end).
std::string_view EndingFor(const LineRecord& line, std::string_view lineEnd);

// A new hotkey line: "<verb> key command", the trailing spaces of key and
// command removed, ended by lineEnd.
LineId AddHotkeyLine(LineStore& store, HotkeyVerb verb, std::string_view key,
                     std::string_view command, std::string_view lineEnd);

// Keyloom's own layout for a file with no text, its lines marked as the
// layout's: the header, then Allegro's preferences block.
LineSequence LayoutLines(LineStore& store);

}  // namespace keyloom
