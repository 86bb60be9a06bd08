// The row that the last Modify click opened in the edit panel.
// It follows that row through later deletions, so that a confirm in modify
// mode replaces the row the user opened and never another one.
#pragma once

namespace keyloom {

class OpenedRow {
public:
    // The opened row is no longer in the list.
    static constexpr int kNone = -1;

    constexpr OpenedRow() = default;

    // The opened row's current index, or kNone.
    int Row() const { return row_; }

    // A Modify click opened this row (a negative index counts as none).
    void Record(int row);

    // The row at this index was deleted: a row above the opened one moves it
    // up by one; the opened row itself leaves none. Rows below do not matter.
    void RowDeleted(int deletedRow);

private:
    // 0 before any Modify click, as the program has always started.
    int row_ = 0;
};

}  // namespace keyloom
