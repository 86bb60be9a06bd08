// The env file's text: reading its hotkey lines, and Keyloom's own layout
// for a new file.
// Texts are code page 936 byte strings; nothing here converts code pages or
// touches the file system, so it builds and tests on any platform.
#pragma once

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

// The marker that divides the env file into the head, the user's own part,
// and Allegro's computer-generated tail.
inline constexpr std::string_view kPreferencesMarker = "### User Preferences section";
inline constexpr std::string_view kSourceTelenv = "source $TELENV";

// The hotkey entries of an env file's text, in file order: its hotkey lines
// (env_lines.h), those of the head (the part before the first marker that
// begins at a character start) and then those of the tail. The marker's own
// line is never a hotkey. Comments, settings, button lines, empty lines and
// lines that begin with a space are not hotkeys.
//
// The text is meant to hold no zero byte (ReadEnvText stops at the first);
// should one occur, it is an ordinary one-byte character.
std::vector<HotkeyEntry> ParseEnvText(std::string_view text);

// Keyloom's own layout, written for a missing or empty env file: header,
// one alias line per entry ("alias ", key, one space, command, CR LF, with
// the trailing spaces of key and command removed), fixed preferences block
// (env_layout.h). Entries read back equal provided every key is read back
// as itself from its line (not empty, no leading or trailing space, the
// byte 0x20 only between the quotation marks of a quoted key), no command
// begins or ends with a space, neither ends with a lone lead byte or holds
// an LF or a zero byte, and the line does not hold the marker (not even
// across key and command).
std::string ComposeEnvText(const std::vector<HotkeyEntry>& entries);

}  // namespace keyloom
