// Env files in the shapes that Allegro users keep, made up here: comments
// (some in code page 936), settings, button and funckey lines, LF line ends,
// no marker, no final line end, hotkeys in Allegro's section below the
// marker, runs of spaces after the verb, quoted keys. Each comes with the
// rows it lists and the edits the tests make on it: delete one row, modify
// another, add a hotkey.
#pragma once

#include <string>
#include <vector>

#include "core/env_text.h"

namespace keyloom::testing {

struct EnvShape {
    const char* name;
    std::string text;
    std::vector<HotkeyEntry> rows;
    // The row to delete; then the row to modify (counted after the delete)
    // and the command it gets; then kAddedHotkey is added.
    int deleteRow;
    int modifyRow;
    std::string newCommand;
    // The lines, with their line ends, that the edits take out of the file
    // (in any order) and put into it (in file order).
    std::vector<std::string> removed;
    std::vector<std::string> added;
};

std::vector<EnvShape> EnvShapes();

// The hotkey every shape gets added.
inline const HotkeyEntry kAddedHotkey = {"F12", "zoom out"};

// The lines, with their line ends, that only one side of a line diff has.
struct LineDiff {
    std::vector<std::string> removed;
    std::vector<std::string> added;
};
LineDiff DiffLines(const std::string& before, const std::string& after);

// The text from the marker on, and the text with Allegro's section written
// anew (without the hotkeys that stood in it).
std::string TailOf(const std::string& text);
std::string WithNewSection(const std::string& text);

}  // namespace keyloom::testing
