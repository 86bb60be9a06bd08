// Random env texts and entries for property tests and the fuzzer's seeds:
// built from pieces that exercise the text rules (spaces of both widths,
// lone CR and LF, tabs, two-byte characters whose second byte is 0x20, 0x0D,
// 0x23 or 0x5C, lone lead bytes, the marker and "source $TELENV").
#pragma once

#include <random>
#include <string>
#include <vector>

#include "core/env_text.h"

namespace keyloom::testing {

std::string RandomText(std::mt19937& random, int pieces);
HotkeyEntry RandomEntry(std::mt19937& random);
std::vector<HotkeyEntry> RandomEntries(std::mt19937& random, int count);

}  // namespace keyloom::testing
