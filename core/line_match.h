// Which lines of the file as it stands now are lines this run already
// knows: another writer's change is found line by line, so the lines it
// left alone keep their numbers (and the rows, the history and the user's
// change that name them stay with them).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/line_sequence.h"

namespace keyloom {

inline constexpr std::uint32_t kUnmatched = 0xFFFFFFFFu;

// A text read from the disk, its lines, and for each line the place in a
// known sequence of the same line (the same bytes, line end included), or
// kUnmatched. The matched lines keep their order in both: the longest such
// run of lines in common, as a line diff finds it, where the change is not
// too large to work out exactly; else as many as a fast pass finds.
struct MatchedText {
    std::string text;
    std::vector<TextLine> lines;
    std::vector<std::uint32_t> knownPlace;
};

MatchedText MatchLines(const LineStoreView& store, const LineSequence& known, std::string text);

}  // namespace keyloom
