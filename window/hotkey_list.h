// The hotkey list 超级列表框1: column 0 the key, column 1 the command,
// column 2 the verb of its line (alias or funckey). The
// rows belong to the editing session; the list is an owner-data list view
// that asks for the cells it paints, so no operation here costs a message
// per row. The list learns of changed rows with ShowHotkeyListChanges.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "core/hotkey_rows.h"
#include "core/session_change.h"

namespace keyloom {

// The rows to show from now on (null for none): a dead row is drawn grey,
// with a tip that says why. They must outlive their showing and change
// only on this thread, each change then told.
void ShowHotkeyRows(const HotkeyRows* rows);

int HotkeyRowCount();
// The cell's whole text, of any length; empty for an empty cell or one
// outside the list.
std::string HotkeyCell(int row, int column);
// Brings the list control up to the rows after the changes, in order:
// their count, the selection moved with deleted and inserted rows, the
// changed rows drawn again. An append keeps the selection and the
// scrolled place; rows all new are all drawn again.
void ShowHotkeyListChanges(const std::vector<ListChange>& changes);
// Selects one row (-1 for none) and brings it into view; or keeps it the
// selected row without scrolling, as after rows around it changed.
void SelectHotkeyRow(int row);
void KeepHotkeyRowSelected(int row);
// Every shown row drawn again, as when which rows are dead changed.
void RedrawHotkeyList();
// The first selected row, or -1.
int SelectedHotkeyRow();

// The list's questions to its parent: the text of a cell it paints, and
// the row whose key begins with what the user typed. True when handled;
// *result is what the parent returns.
bool AnswerHotkeyListNotification(const NMHDR& header, LRESULT* result);

}  // namespace keyloom
