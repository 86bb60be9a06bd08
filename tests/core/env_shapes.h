// Env files in the shapes that Allegro users keep, made up here: comments
// (some in code page 936), settings, button and funckey lines, LF line ends,
// no marker, no final line end, hotkeys only in Allegro's section. Each
// comes with the rows it lists and the edits the tests make on it: delete
// one row, modify a funckey row, add a hotkey.
#pragma once

#include <string>
#include <vector>

#include "core/env_text.h"

namespace keyloom::testing {

struct EnvShape {
    const char* name;
    std::string text;
    std::vector<HotkeyEntry> rows;
    // The row to delete (-1: none) and its line. Lines are given with
    // their line ends.
    int deleteRow;
    std::string deletedLine;
    // The funckey row to modify, counted after the delete (-1: none), its
    // line, the command it gets and the line that then stands for it.
    int funckeyRow;
    std::string funckeyLine;
    std::string newCommand;
    std::string newFunckeyLine;
    // The line end new lines get.
    std::string lineEnd;
};

std::vector<EnvShape> EnvShapes();

// The hotkey every shape gets added, and its line.
inline const HotkeyEntry kAddedHotkey = {"F12", "zoom out"};
inline const std::string kAddedLine = "alias F12 zoom out";  // and the file's line end

// The lines, with their line ends, that only one side of a line diff has.
struct LineDiff {
    std::vector<std::string> removed;
    std::vector<std::string> added;
};
LineDiff DiffLines(const std::string& before, const std::string& after);

}  // namespace keyloom::testing
