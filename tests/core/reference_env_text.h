// A plain transcription of the env text rules for checking the real ones: it
// steps through every text character by character from its first byte and
// follows the reading and writing steps literally (splitting into all
// fields, joining them again), with no shortcut of any kind.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/env_text.h"

namespace keyloom::reference {

// Start offsets of the characters of text, in order.
std::vector<std::size_t> CharStarts(std::string_view text);

std::size_t Find(std::string_view text, std::string_view needle);
std::string RemoveAll(std::string_view text, std::string_view needle);
std::vector<std::string> Split(std::string_view text, std::string_view separator);
std::string Trim(std::string_view text);
std::string TrimTrailing(std::string_view text);

// The lines of a text, without their line ends (LF, or CR LF).
std::vector<std::string> Lines(std::string_view text);

// A line's key and command when it is a hotkey line.
bool ReadHotkeyLine(std::string_view line, HotkeyEntry* entry);
std::vector<HotkeyEntry> ParseEnvText(std::string_view text);
std::string ComposeEnvText(const std::vector<HotkeyEntry>& entries);

// Whether an entry is free of everything that keeps it from reading back
// equal after it is composed.
bool IsRoundTripSafe(const HotkeyEntry& entry);

}  // namespace keyloom::reference
