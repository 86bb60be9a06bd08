// The rows of the hotkey list 超级列表框1: column 0 the key, column 1 the
// command. The rows are the only in-memory copy of the hotkeys.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

int HotkeyRowCount();
// Adds an empty row after the last one; returns its index.
int AppendHotkeyRow();
// The cell's whole text, of any length; empty for an empty cell.
std::string HotkeyCell(int row, int column);
void SetHotkeyCell(int row, int column, std::string_view text);
// Removes the row; the rows after it move up. An index outside the list
// removes nothing.
void DeleteHotkeyRow(int row);
// The first selected row, or -1.
int SelectedHotkeyRow();

// Reads cells one message each into one reused buffer: a save reads every
// cell of a list that may hold 100,000 rows, and each message costs real
// time. HotkeyCell reads through one of these too.
class HotkeyCellReader {
public:
    HotkeyCellReader();

    // The cell's whole text; empty for an empty cell, a row outside the
    // list, or no list.
    std::string Cell(int row, int column);

private:
    HWND list_;
    std::vector<char> buffer_;
};

}  // namespace keyloom
