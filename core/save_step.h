// The steps of a replace, named so that a test can end a save after any of
// them as a kill would, and look at what the next start finds.
#pragma once

#include <cstdint>

namespace keyloom::fileos {

enum class SaveStep : std::uint8_t {
    kTemporaryOpened,  // the partial temporary made, still empty
    kTemporaryPart,    // a piece of its bytes written, more to follow
    kTemporaryClosed,  // all its bytes written, flushed and closed
    kKeptCopied,       // what the file system keeps of the old file set on it
    kTemporaryWhole,   // renamed to the name that says it is whole
    kPutInPlace,       // moved onto the file it replaces
};

// Called by the file layer as each step is done; null in the program. A
// test's hook throws to end the sequence there, as a kill would, with
// nothing cleaned up behind it.
using SaveStepHook = void (*)(SaveStep step);
extern SaveStepHook gSaveStepHook;

inline void ReachSaveStep(SaveStep step) {
    if (gSaveStepHook != nullptr) gSaveStepHook(step);
}

}  // namespace keyloom::fileos
