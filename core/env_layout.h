// The fixed parts of every env file that Keyloom writes: the header line
// "source $TELENV" with two empty lines, the start of each hotkey line, and
// the block of Allegro preference settings that follows the hotkey lines.
#pragma once

#include <string_view>

namespace keyloom {

inline constexpr std::string_view kEnvHeader = "source $TELENV\r\n\r\n\r\n";

inline constexpr std::string_view kAliasPrefix = "alias ";

// Begins with an empty line, so one empty line always stands between the
// last hotkey line and the marker line.
inline constexpr std::string_view kEnvTailBlock =
    "\r\n"
    "### User Preferences section\r\n"
    "### This section is computer generated.\r\n"
    "### Please do not modify to the end of the file.\r\n"
    "### Place your hand edits above this section.\r\n"
    "###\r\n"
    "set psmpath = $psmpath \"E:\\Eda data\\PCB LIB\\allegro\\\"\r\n"
    "set padpath = $padpath \"E:\\Eda data\\PCB LIB\\allegro\\\"\r\n"
    "unset allegro_etch_length_on\r\n"
    "unset allegro_dynam_timing\r\n"
    "set disable_opengl\r\n"
    "set pcb_cursor = infinite\r\n"
    "unset new_shape_fill_nt\r\n"
    "unset old_shape_fill_style\r\n"
    "set display_shapefill_analysis = 1\r\n"
    "set no_shape_fill\r\n";

static_assert(kEnvHeader.size() == 20, "header: one line and two empty lines");
static_assert(kEnvTailBlock.size() == 498, "tail block: 16 lines");

}  // namespace keyloom
