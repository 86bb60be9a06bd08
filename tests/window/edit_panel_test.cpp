// The panel width rule: shown from 470 on, toggled against 470, not 474.
#include <gtest/gtest.h>

#include "window/edit_panel.h"

namespace keyloom {
namespace {

TEST(EditPanelWidthTest, PanelIsShownFrom470On) {
    EXPECT_FALSE(IsPanelShownAt(266));
    EXPECT_FALSE(IsPanelShownAt(469));
    EXPECT_TRUE(IsPanelShownAt(470));
    EXPECT_TRUE(IsPanelShownAt(474));
    EXPECT_TRUE(IsPanelShownAt(800));
}

TEST(EditPanelWidthTest, ToggleTestsAgainst470NotAgainst474) {
    EXPECT_EQ(ToggledPanelWidth(266), 474);
    EXPECT_EQ(ToggledPanelWidth(0), 474);
    EXPECT_EQ(ToggledPanelWidth(469), 474);
    EXPECT_EQ(ToggledPanelWidth(470), 266);
    EXPECT_EQ(ToggledPanelWidth(472), 266);
    EXPECT_EQ(ToggledPanelWidth(474), 266);
}

}  // namespace
}  // namespace keyloom
