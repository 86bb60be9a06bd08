// The env file as lines: which of them are hotkey lines, in the head (the
// text before the first preferences marker, all of it without one) and in
// the tail (Allegro's section, from the marker on); where new hotkey lines
// go; and the writing back that changes only the hotkey lines whose rows
// changed.
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
    LineSpan span;  // in the document's text
    bool hotkey;
    HotkeyVerb verb;  // of a hotkey line
};

struct EnvDocument {
    // The head, then the tail.
    std::string text;
    std::size_t headLength = 0;
    // The head's lines, then the tail's from lines[tailLine] on (tailLine
    // equals the number of lines when there is no tail).
    std::vector<EnvLine> lines;
    std::size_t tailLine = 0;
    // New hotkey lines go before lines[insertAt], always in the head: right
    // after the head's last hotkey line; with none, before the head's last
    // line when that is empty, else at the end of the head.
    std::size_t insertAt = 0;

    std::string_view Head() const { return std::string_view(text).substr(0, headLength); }
    std::string_view Tail() const { return std::string_view(text).substr(headLength); }
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

// What a save writes for the rows (origins[i] belongs to rows[i]), as a
// document of its own, and the rows' origins in it.
struct WrittenDocument {
    EnvDocument document;
    std::vector<RowOrigin> origins;
    // Whether a hotkey line of the tail was dropped.
    bool dropsTailLine = false;
};

// Every line that is not a hotkey line, and the hotkey line of every row
// that still has one, are written byte for byte in their places; the other
// hotkey lines (deleted rows, and the old lines of modified ones) are
// dropped, in the head and in the tail alike. Rows without a line are
// written at insertAt in list order, as "<verb> key command" (trailing
// spaces of key and command removed) ended by newLineEnd; a last line
// without a line end gets one before them.
//
// The list's order is not the file's: a row keeps its line wherever it
// stands in the list (rows new in this run stand in the head, before the
// tail's). A row whose line is not a hotkey line, or is another row's
// before it, is written as a new line, so the file always holds every row
// once.
//
// progress, when given, is called now and then (every few thousand lines)
// on a long document, so a caller can keep its window alive meanwhile.
WrittenDocument WriteDocument(const EnvDocument& document, const std::vector<HotkeyEntry>& rows,
                              const std::vector<RowOrigin>& origins, std::string_view newLineEnd,
                              const std::function<void()>& progress = {});

}  // namespace keyloom
