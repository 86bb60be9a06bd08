// The panel width rule: shown from 470 on, toggled against 470, not 474
// (scaling_test has it at 150 %).
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

TEST(EditPanelWidthTest, ToggleTestsAgainst470NotAgainst474) {
    EXPECT_EQ(ToggledPanelWidth(266, 96), 474);
    EXPECT_EQ(ToggledPanelWidth(0, 96), 474);
    EXPECT_EQ(ToggledPanelWidth(469, 96), 474);
    EXPECT_EQ(ToggledPanelWidth(470, 96), 266);
    EXPECT_EQ(ToggledPanelWidth(472, 96), 266);
    EXPECT_EQ(ToggledPanelWidth(474, 96), 266);
}

}  // namespace
}  // namespace keyloom
