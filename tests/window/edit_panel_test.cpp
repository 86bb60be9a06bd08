// The panel width rule: shown from 606 on (scaling_test has it at 150 %).
#include <gtest/gtest.h>

#include "window/edit_panel.h"

namespace keyloom {
namespace {

TEST(EditPanelWidthTest, PanelIsShownFrom470On) {
    EXPECT_FALSE(IsPanelShownAt(402, 96));
    EXPECT_FALSE(IsPanelShownAt(605, 96));
    EXPECT_TRUE(IsPanelShownAt(606, 96));
    EXPECT_TRUE(IsPanelShownAt(610, 96));
    EXPECT_TRUE(IsPanelShownAt(800, 96));
}

}  // namespace
}  // namespace keyloom
