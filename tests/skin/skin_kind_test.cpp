// Which windows the skin draws and which it leaves alone.
#include <gtest/gtest.h>

#include "skin_kind.h"

namespace {

SkinKind Child(const char* cls) {
    return ClassifyWindow({cls, true, false});
}

TEST(ClassifyWindow, KnownControlClassesAnyCase) {
    EXPECT_EQ(Child("Button"), SkinKind::Button);
    EXPECT_EQ(Child("BUTTON"), SkinKind::Button);
    EXPECT_EQ(Child("edit"), SkinKind::Edit);
    EXPECT_EQ(Child("SysListView32"), SkinKind::List);
    EXPECT_EQ(Child("SysHeader32"), SkinKind::Header);
    EXPECT_EQ(Child("#32770"), SkinKind::Dialog);
}

TEST(ClassifyWindow, UnknownChildClassesAreLeftAlone) {
    EXPECT_EQ(Child("Static"), SkinKind::None);  // coloured by its parent instead
    EXPECT_EQ(Child("KeyloomHyperlink"), SkinKind::None);
    EXPECT_EQ(Child("Buttons"), SkinKind::None);
    EXPECT_EQ(Child("Butto"), SkinKind::None);
    EXPECT_EQ(Child(""), SkinKind::None);
    EXPECT_EQ(ClassifyWindow({nullptr, true, false}), SkinKind::None);
}

TEST(ClassifyWindow, TopLevelWindowsNeedATitleBarOrToBeDialogs) {
    EXPECT_EQ(ClassifyWindow({"KeyloomMainWindow", false, true}), SkinKind::TopLevel);
    EXPECT_EQ(ClassifyWindow({"#32770", false, true}), SkinKind::TopLevel);
    EXPECT_EQ(ClassifyWindow({"#32770", false, false}), SkinKind::TopLevel);
    EXPECT_EQ(ClassifyWindow({"tooltips_class32", false, false}), SkinKind::None);
    EXPECT_EQ(ClassifyWindow({"Button", false, false}), SkinKind::None);
}

}  // namespace
