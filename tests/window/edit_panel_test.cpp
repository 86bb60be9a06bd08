// The panel width rule: shown from 470 on, toggled against 470, not 474;
// at another DPI the same widths scaled.
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

TEST(EditPanelWidthTest, At150PercentEveryWidthIsScaled) {
    EXPECT_FALSE(IsPanelShownAt(704, 144));
    EXPECT_TRUE(IsPanelShownAt(705, 144));
    EXPECT_EQ(ToggledPanelWidth(399, 144), 711);
    EXPECT_EQ(ToggledPanelWidth(704, 144), 711);
    EXPECT_EQ(ToggledPanelWidth(705, 144), 399);
    // 470 and 474 at 96 DPI would both count as hidden there.
    EXPECT_FALSE(IsPanelShownAt(474, 144));
}

}  // namespace
}  // namespace keyloom
