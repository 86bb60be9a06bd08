#include "core/row_origins.h"

namespace keyloom {

void RowOrigins::RowDeleted(std::size_t row) {
    if (row < origins_.size()) origins_.erase(origins_.begin() + static_cast<std::ptrdiff_t>(row));
}

}  // namespace keyloom
