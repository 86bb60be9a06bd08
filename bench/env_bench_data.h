// Realistic env data for the benchmarks: alias lines as Allegro users write
// them, a fifth of them with Chinese text (code page 936), made from a fixed
// seed so every run measures the same bytes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/env_text.h"

namespace keyloom::bench {

// A whole env file of about this many bytes: header, hotkey lines, the
// preferences block.
std::string RealisticEnvText(std::size_t bytes);

// Entries of the same kind as those lines.
std::vector<HotkeyEntry> RealisticEntries(std::size_t count);

}  // namespace keyloom::bench
