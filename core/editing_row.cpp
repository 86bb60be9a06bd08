#include "core/editing_row.h"

namespace keyloom {

void OpenedRow::Record(int row) {
    row_ = row < 0 ? kNone : row;
}

void OpenedRow::RowDeleted(int deletedRow) {
    if (row_ == kNone || deletedRow < 0 || deletedRow > row_) return;
    row_ = deletedRow == row_ ? kNone : row_ - 1;
}

}  // namespace keyloom
