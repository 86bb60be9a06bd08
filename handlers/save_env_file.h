// Saving the rows to the env file after every change. The file is read,
// composed and written on a thread of its own, which touches no window;
// meanwhile the window paints and answers, and the actions given wait.
#pragma once

#include <memory>

#include "core/save_job.h"

namespace keyloom {

// Starts the save of the session's rows; the window learns its end by
// kSaveDoneMessage.
void SaveEnvFile();

// After kSaveDoneMessage: the finished save's job, back on this thread;
// null when no save ran.
std::unique_ptr<SaveJob> TakeFinishedSave();

}  // namespace keyloom
