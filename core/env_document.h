// The env file's head as lines: which of them are hotkey lines, where new
// hotkey lines go, and the writing back that changes only the hotkey lines
// whose rows changed. The head is the text before the first preferences
// marker (all of it without one); the tail, from the marker on, is
// Allegro's and is never part of the document.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/env_lines.h"
#include "core/env_text.h"

namespace keyloom {

struct EnvLine {
    LineSpan span;  // in the document's head
    bool hotkey;
    HotkeyVerb verb;  // of a hotkey line
};

struct EnvDocument {
    std::string head;
    std::vector<EnvLine> lines;
    // New hotkey lines go before lines[insertAt] (at the end when it equals
    // the number of lines): right after the last hotkey line; with none,
    // before the last line when that is empty, else at the end.
    std::size_t insertAt = 0;
};

inline constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

// Where a row of the hotkey list came from: its hotkey line in the document,
// or kNoLine for a row the file does not hold yet; and the verb its line is
// written with.
struct RowOrigin {
    std::size_t line = kNoLine;
    HotkeyVerb verb = HotkeyVerb::Alias;
};

// The document of a file's text (its bytes up to the first zero byte).
EnvDocument ReadEnvDocument(std::string_view text);

// The document's hotkeys in file order, each with its origin; entries may
// be null when only the origins are wanted.
void DocumentHotkeys(const EnvDocument& document, std::vector<HotkeyEntry>* entries,
                     std::vector<RowOrigin>* origins);

// The head a save writes for the rows (origins[i] belongs to rows[i]), as
// a document of its own, and the rows' origins in it.
struct WrittenHead {
    EnvDocument document;
    std::vector<RowOrigin> origins;
};

// Every line that is not a hotkey line, and the hotkey line of every row
// that still has one, are written byte for byte in their places; the other
// hotkey lines (deleted rows, and the old lines of modified ones) are
// dropped. Rows without a line are written at insertAt in list order, as
// "<verb> key command" (trailing spaces of key and command removed) ended
// by newLineEnd; a last line without a line end gets one before them.
//
// Rows that keep their lines must come first and in file order, as they do
// in the list, where new rows are only ever appended; a row that breaks
// that order is written as a new line, so the file's order always follows
// the list.
//
// progress, when given, is called now and then (every few thousand lines)
// on a long head, so a caller can keep its window alive meanwhile.
WrittenHead WriteHead(const EnvDocument& document, const std::vector<HotkeyEntry>& rows,
                      const std::vector<RowOrigin>& origins, std::string_view newLineEnd,
                      const std::function<void()>& progress = {});

}  // namespace keyloom
