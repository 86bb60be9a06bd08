// The panel width rule: shown from 470 on (scaling_test has it at 150 %).
#include <gtest/gtest.h>

#include "window/edit_panel.h"

namespace keyloom {
namespace {

TEST(EditPanelWidthTest, PanelIsShownFrom470On) {
    EXPECT_FALSE(IsPanelShownAt(266, 96));
    EXPECT_FALSE(IsPanelShownAt(469, 96));
    EXPECT_TRUE(IsPanelShownAt(470, 96));
    EXPECT_TRUE(IsPanelShownAt(474, 96));
    EXPECT_TRUE(IsPanelShownAt(800, 96));
}

}  // namespace
}  // namespace keyloom
