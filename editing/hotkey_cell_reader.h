// Reads the cells of the hotkey list 超级列表框1 for a save: one message per
// cell into one reused buffer, since a save reads every cell of a list that
// may hold 100,000 rows and each message to the list costs real time.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace keyloom {

class HotkeyCellReader {
public:
    HotkeyCellReader();

    // The cell's whole text, of any length; empty for an empty cell, a row
    // outside the list, or no list.
    std::string Cell(int row, int column);

private:
    HWND list_;
    std::vector<char> buffer_;
};

}  // namespace keyloom
