// Where the lines of a text end, for every reader of lines: a line ends at
// LF, with or without a CR before it; a lone CR is an ordinary byte; the
// last line may have no line end. Bytes step by the text rules, so an LF or
// CR that is the second byte of a two-byte character ends nothing.
#pragma once

#include <cstddef>
#include <string_view>

namespace keyloom {

// One line of a text: where it begins, its bytes without the line end, and
// the line end's length (0 for a last line without one, 1 for LF, 2 for
// CR LF).
struct LineSpan {
    std::size_t begin;
    std::size_t length;
    std::size_t endLength;

    std::size_t End() const { return begin + length + endLength; }
};

// The line that begins at pos (a character start before the end of text).
LineSpan LineAt(std::string_view text, std::size_t pos);

}  // namespace keyloom
