// The rows of the hotkey list, held in the program's memory: key, command
// and where each row came from in the env file. The list control shows
// them and asks for the cells it paints; a save reads them from here.
// Rows are only ever appended at the end or deleted; the list's order is
// not the file's (new rows are written in the head, before the hotkeys of
// Allegro's section), so each row's line is held in its origin.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/env_document.h"
#include "core/env_text.h"

namespace keyloom {

class HotkeyRows {
public:
    // The rows as loaded, origins[i] belonging to entries[i].
    void Reset(std::vector<HotkeyEntry> entries, std::vector<RowOrigin> origins);

    std::size_t Count() const { return entries_.size(); }
    // row < Count().
    const HotkeyEntry& At(std::size_t row) const { return entries_[row]; }
    const RowOrigin& OriginOf(std::size_t row) const { return origins_[row]; }

    // Appends an empty row that the file does not hold yet, to be written
    // with verb; returns its index.
    std::size_t Append(HotkeyVerb verb);
    // Removes the row; the rows after it move up. False for a row outside.
    bool Delete(std::size_t row);
    // Column 0 is the key, column 1 the command; false for a cell outside.
    bool SetCell(std::size_t row, int column, std::string_view text);

    // For a save: the entries, and their origins to move on.
    const std::vector<HotkeyEntry>& Entries() const { return entries_; }
    std::vector<RowOrigin>& Origins() { return origins_; }

private:
    std::vector<HotkeyEntry> entries_;
    std::vector<RowOrigin> origins_;
};

}  // namespace keyloom
