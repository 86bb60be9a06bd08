// Keys bound twice. Allegro reads env from top to bottom, and a later line
// for a key replaces an earlier one. Two rows bind the same key when they
// have the same verb and their keys are equal byte for byte as read
// (letters case-sensitive); an alias and a funckey of one key are not a
// pair, since an alias may also be a typed word. Of such rows the one whose
// line stands last in the file as written is live; the others are dead.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/env_document.h"
#include "core/env_text.h"

namespace keyloom {

// For each row, the row that binds its key live when it is dead, else -1.
// origins[i] belongs to rows[i]; a row without a line is written before
// lines[insertAt], in list order, as a save writes it.
std::vector<int> CoveringRows(const std::vector<HotkeyEntry>& rows,
                              const std::vector<RowOrigin>& origins, std::size_t insertAt);

// True when row binds a key that no other row binds, so that taking it
// away changes no other row's mark.
bool IsUnpairedRow(const std::vector<int>& covering, int row);

// The marks of CoveringRows with such a row taken away: the numbers of the
// rows after it move up by one.
void RemoveUnpairedRow(std::vector<int>* covering, int row);

// The rows other than exceptRow that bind key with verb, in list order.
std::vector<int> RowsBinding(const std::vector<HotkeyEntry>& rows,
                             const std::vector<RowOrigin>& origins, HotkeyVerb verb,
                             std::string_view key, int exceptRow);

}  // namespace keyloom
