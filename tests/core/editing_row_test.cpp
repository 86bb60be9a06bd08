// EditingRow follows the opened row through deletions.
#include <gtest/gtest.h>

#include "core/editing_row.h"

namespace keyloom {
namespace {

TEST(EditingRowTest, StartsAtRowZero) {
    EXPECT_EQ(OpenedRow().Row(), 0);
}

TEST(EditingRowTest, RecordKeepsTheOpenedRow) {
    OpenedRow row;
    row.Record(3);
    EXPECT_EQ(row.Row(), 3);
    row.Record(0);
    EXPECT_EQ(row.Row(), 0);
    row.Record(-1);
    EXPECT_EQ(row.Row(), OpenedRow::kNone);
}

TEST(EditingRowTest, DeletingARowAboveMovesItUp) {
    OpenedRow row;
    row.Record(3);
    row.RowDeleted(0);
    EXPECT_EQ(row.Row(), 2);
    row.RowDeleted(1);
    EXPECT_EQ(row.Row(), 1);
    row.RowDeleted(0);
    EXPECT_EQ(row.Row(), 0);
}

TEST(EditingRowTest, DeletingARowBelowLeavesIt) {
    OpenedRow row;
    row.Record(2);
    row.RowDeleted(3);
    row.RowDeleted(100);
    EXPECT_EQ(row.Row(), 2);
}

TEST(EditingRowTest, DeletingTheOpenedRowLeavesNone) {
    OpenedRow row;
    row.Record(2);
    row.RowDeleted(2);
    EXPECT_EQ(row.Row(), OpenedRow::kNone);
    // Once gone, no later deletion brings a row back under it.
    row.RowDeleted(0);
    row.RowDeleted(1);
    EXPECT_EQ(row.Row(), OpenedRow::kNone);
}

TEST(EditingRowTest, NothingDeletedAtANegativeIndex) {
    OpenedRow row;
    row.Record(1);
    row.RowDeleted(-1);
    EXPECT_EQ(row.Row(), 1);
}

TEST(EditingRowTest, OpenedFirstRowThenDeletedLeavesNone) {
    OpenedRow row;
    row.Record(0);
    row.RowDeleted(0);
    EXPECT_EQ(row.Row(), OpenedRow::kNone);
    row.Record(4);
    EXPECT_EQ(row.Row(), 4);
}

}  // namespace
}  // namespace keyloom
