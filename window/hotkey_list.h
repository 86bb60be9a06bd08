// The hotkey list 超级列表框1: column 0 the key, column 1 the command. The
// rows live in the program's memory (HotkeyStore); the list is an
// owner-data list view that asks for the cells it paints, so no operation
// here costs a message per row. Appending and deleting rows change the
// rows at once; the list control learns of it with
// ShowHotkeyListChanges, which the save that follows every change calls
// while the file is being written.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/hotkey_rows.h"

namespace keyloom {

// The rows the list shows.
HotkeyRows& HotkeyStore();

// Replaces all rows, as loaded from the env file.
void LoadHotkeyRows(std::vector<HotkeyEntry> entries, std::vector<RowOrigin> origins);

int HotkeyRowCount();
// Adds an empty row after the last one, to be written with verb; returns
// its index. The selection and the scrolled place stay.
int AppendHotkeyRow(HotkeyVerb verb = HotkeyVerb::Alias);
// The cell's whole text, of any length; empty for an empty cell or one
// outside the list.
std::string HotkeyCell(int row, int column);
void SetHotkeyCell(int row, int column, std::string_view text);
// Removes the row; the rows after it move up with their selection. An
// index outside the list removes nothing.
void DeleteHotkeyRow(int row);
// Brings the list control up to the rows: their count, the selection moved
// with deleted rows, everything drawn again.
void ShowHotkeyListChanges();
// The first selected row, or -1 (the list brought up to the rows first).
int SelectedHotkeyRow();

// The list's questions to its parent: the text of a cell it paints, and
// the row whose key begins with what the user typed. True when handled;
// *result is what the parent returns.
bool AnswerHotkeyListNotification(const NMHDR& header, LRESULT* result);

}  // namespace keyloom
