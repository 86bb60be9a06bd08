// Carrying the user's change onto a file another writer changed: what the
// user removed is removed, what the user added is added, each where it
// stood among the lines around it; everything else is the file as it
// stands now, so neither writer's change is lost.
#pragma once

#include <vector>

#include "core/line_match.h"
#include "core/line_sequence.h"

namespace keyloom {

struct CarriedChanges {
    // The file as it stands now: its lines that this run knew keep their
    // numbers, the others are new lines of the store.
    LineSequence known;
    // That file with the user's change.
    LineSequence lines;
    // Hotkey lines the user removed that the file no longer holds as they
    // were (gone, or changed by the other writer): nothing to remove.
    std::vector<LineId> notRemoved;
};

// known: the file as this run last read or wrote it; edited: the lines
// the user has made of it since; now: the file as it stands, matched
// against known.
CarriedChanges CarryChanges(LineStore& store, const LineSequence& known, const LineSequence& edited,
                            MatchedText now);

}  // namespace keyloom
