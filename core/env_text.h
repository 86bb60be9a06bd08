// The env file's text: reading its hotkey lines and composing the file anew.
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

// The marker that divides the env file into the hotkey head and the
// computer-generated tail.
inline constexpr std::string_view kPreferencesMarker = "### User Preferences section";
inline constexpr std::string_view kSourceTelenv = "source $TELENV";

// The hotkey entries of an env file's text, in file order: every non-empty
// line (CR LF ends a line; a lone CR or LF does not) above the first marker
// that begins at a character start, once every "source $TELENV" is removed
// and the head is trimmed. A line is split at single spaces (0x20 at a
// character start) into fields: field 2 is the key, unchanged, and fields 3
// onward joined by one space, trimmed, are the command. Field 1 is not
// looked at. No marker, or a marker at the very start, gives no entries.
//
// A line with fewer than two fields (no space, or only one space at its
// end, as in "alias" or "alias ") gives one entry as well, so the count
// equals the rows: an empty key and the whole line, trimmed, as the
// command. Composed, that is "alias  <line>", which reads back as the same
// entry, so the line's text survives a save and round trips stably.
//
// The text is meant to hold no zero byte (BytesToText stops at the first);
// should one occur, it is an ordinary one-byte character.
std::vector<HotkeyEntry> ParseEnvText(std::string_view text);

// The complete env file text for these entries: header, one alias line per
// entry ("alias ", key, one space, command, CR LF, with the trailing spaces
// of key and command removed), fixed preferences block (env_layout.h).
// Entries read back equal provided no key holds the byte 0x20 or ends with a
// space, no command begins or ends with one, neither ends with a lone lead
// byte or holds CR LF or a zero byte, and the line holds neither
// "source $TELENV" nor the marker (not even across key and command).
std::string ComposeEnvText(const std::vector<HotkeyEntry>& entries);

}  // namespace keyloom
