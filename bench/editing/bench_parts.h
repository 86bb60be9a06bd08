// The parts of the editing benchmark, each printing its own figures.
#pragma once

#include <string>
#include <vector>

#include "core/env_text.h"

namespace keyloom::bench {

// The start-up load of the rows against inserting them into a bare list.
void RunLoad(const std::vector<HotkeyEntry>& rows, int repetitions);

// Add and Modify opening the panel on the env.
void RunPanel(const std::string& label, const std::string& env, int repetitions);
// Wine's own multi-line edit box given the same text, for comparison.
void RunWineEditBox(const std::string& label, const std::string& env);

// A confirm in add mode and a delete on the rows, each the first save of a
// start (env.bak made) and a later one, against a first safe save.
void RunSaves(const std::vector<HotkeyEntry>& rows, int repetitions);
// What the history of undo holds after that many changes on a 20 MB env.
void RunHistory(int changes);
// Reading a 20 MB env again after another writer's change, against the
// start's reading of it.
void RunReload(int repetitions);

// A character typed into the content box, with its paint, at the start and
// the end of a line of a million spaces against a one-line short text.
void RunKeystrokes(int repetitions);
// The box of env数据 on a 20 MB env, from the click until it is shown,
// against a bare message box with a short text.
void RunEnvContent(int repetitions);

}  // namespace keyloom::bench
