// One save as the thread that writes it holds it: the file as this run knows
// it, the rows to write, their origins, and afterwards the outcome. The
// session hands all of it over and takes it back when the save is done;
// while it is away the session changes nothing of it.
#pragma once

#include <memory>
#include <vector>

#include "core/env_session.h"

namespace keyloom {

struct SaveJob {
    EnvSession file;
    // Shared with the session, which reads them for the list meanwhile
    // but never changes them while a save runs: no copy of every row.
    std::shared_ptr<const std::vector<HotkeyEntry>> rows;
    std::vector<RowOrigin> origins;
    EnvSession::Outcome outcome;

    // Writes the file; touches nothing outside the job.
    void Run() { outcome = file.Save(*rows, &origins); }
};

}  // namespace keyloom
