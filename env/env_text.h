// The env file's text: reading its hotkey lines and composing the file anew.
// Texts are code page 936 byte strings; nothing here converts code pages or
// touches the file system, so it builds and tests on any platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// One key binding: the key as the alias line names it and the command bound
// to it. Either may be empty.
struct HotkeyEntry {
    std::string key;
    std::string command;
};

inline bool operator==(const HotkeyEntry& a, const HotkeyEntry& b) {
    return a.key == b.key && a.command == b.command;
}

// The marker that divides the env file into the hotkey head and the
// computer-generated tail.
inline constexpr std::string_view kPreferencesMarker = "### User Preferences section";
inline constexpr std::string_view kSourceTelenv = "source $TELENV";

// The hotkey entries of an env file's text, in file order.
std::vector<HotkeyEntry> ParseEnvText(std::string_view text);

// The complete env file text for these entries: header, one alias line per
// entry, fixed preferences block.
std::string ComposeEnvText(const std::vector<HotkeyEntry>& entries);

// The count caption: "12个" for 12.
std::string CountCaption(std::size_t count);

// Spaces removed from both ends (0x20 and the full-width space A1 A1, never
// tab, CR or LF; a lone lead byte at the end goes too).
std::string TrimSpaces(std::string_view text);

}  // namespace keyloom
