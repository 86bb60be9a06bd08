// The origins of the hotkey list's rows, kept beside them: origin i belongs
// to row i, and follows it through deletions and appends, so a save knows
// which of the file's lines each row still stands for.
#pragma once

#include <cstddef>
#include <vector>

#include "core/env_document.h"

namespace keyloom {

class RowOrigins {
public:
    // The origins of the rows as loaded.
    void Reset(std::vector<RowOrigin> origins) { origins_ = std::move(origins); }

    // Row's origin; a row beyond the ones known is a new alias line.
    RowOrigin At(std::size_t row) const {
        return row < origins_.size() ? origins_[row] : RowOrigin{};
    }

    // The row at this index was deleted; the rows after it move up.
    void RowDeleted(std::size_t row);

    // A row was appended that the file does not hold yet; its line will be
    // written with verb.
    void RowAppended(HotkeyVerb verb) { origins_.push_back({kNoLine, verb}); }

    // All origins, in row order, for a save to read and move on.
    std::vector<RowOrigin>& All() { return origins_; }

private:
    std::vector<RowOrigin> origins_;
};

}  // namespace keyloom
