// What a thread beside the window does with the env file: a save of the
// lines as they stood when it began, or a read of the file after another
// writer changed it. The job holds all it needs (the lines are shared and
// never change while it runs) and its outcome, and touches nothing else.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/env_file.h"
#include "core/line_match.h"
#include "core/line_sequence.h"
#include "core/session_change.h"

namespace keyloom {

struct FileJob {
    enum class Kind : std::uint8_t { Save, Read };
    enum class Result : std::uint8_t {
        Written,    // the save wrote the lines
        Unchanged,  // the file already is what the job would make it
        Changed,    // another writer changed the file: now holds it
        Missing,    // the file is gone or empty
        Unsettled,  // the file changed while it was read: read again later
        Refused,    // refusal says why
        Failed,
    };

    Kind kind = Kind::Save;
    std::string path;
    LineStoreView store;
    // The file as this run last read or wrote it.
    std::shared_ptr<const LineSequence> known;
    bool knownCutAtZero = false;
    // What a save writes.
    std::shared_ptr<const LineSequence> lines;
    // env.bak is still to be made (before this run's first change).
    bool mayBackUp = false;

    Result result = Result::Failed;
    // Why a save wrote nothing, where it can say more than that it failed.
    SaveFailure refusal = SaveFailure::Plain;
    // A save's text, written or not.
    std::string text;
    bool backedUp = false;
    // Changed: the file's text now, matched line by line against known.
    MatchedText now;
    bool nowCutAtZero = false;
    // The file's stamp after the job.
    FileStamp stamp;
};

// Carries the job out on the calling thread.
void RunFileJob(FileJob& job);

}  // namespace keyloom
