// Naming a key by pressing it on the X display's keyboard (XTEST through
// xdotool): the modifiers as the keyboard holds them, the character as the
// layout types it, the extended keys told from the keypad's.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "tests/window/window_fixture.h"
#include "window/key_capture.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

struct RealKey {
    const char* keys;       // as xdotool names them
    const char* name;       // what the key box shows after
    std::string_view note;  // what 标签7 shows after
};

void PrintTo(const RealKey& k, std::ostream* out) {
    *out << k.keys;
}

class RealKeyTest : public MainWindowTest, public ::testing::WithParamInterface<RealKey> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ClickButton("按钮_添加");
        TypeInto("编辑框2", "F9");
    }
};

TEST_P(RealKeyTest, IsNamedAsAllegroNamesIt) {
    const RealKey& k = GetParam();
    ClickButton("按钮_按键");
    ASSERT_TRUE(IsKeyCaptureArmed());
    ASSERT_TRUE(PressKeysOnX(k.keys));
    EXPECT_EQ(ControlText("编辑框2"), k.name);
    EXPECT_EQ(ControlText("标签7"), k.note);
    EXPECT_FALSE(IsKeyCaptureArmed());
    // Esc closed nothing, Tab moved nothing.
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_EQ(GetFocus(), ControlWindow("按钮_按键"));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RealKeyTest,
    ::testing::Values(
        RealKey{"shift+F3", "SF3", ""}, RealKey{"ctrl+shift+F2", "CSF2", ""},
        RealKey{"ctrl+alt+Home", "CAHome", ""}, RealKey{"Next", "Pgdown", ""},
        RealKey{"shift+Delete", "SDel", ""}, RealKey{"Up", "Up", ""}, RealKey{"ctrl+r", "~R", ""},
        RealKey{"ctrl+shift+z", "~SZ", ""}, RealKey{"ctrl+1", "~1", ""},
        RealKey{"ctrl+bracketright", "~]", ""}, RealKey{"ctrl+backslash", "~\\", ""},
        RealKey{"m", "m", ""}, RealKey{"shift+s", "S", ""}, RealKey{"shift+equal", "+", ""},
        RealKey{"bracketleft", "[", ""}, RealKey{"space", "' '", ""}, RealKey{"Escape", "Esc", ""},
        RealKey{"Tab", "Tab", ""}, RealKey{"ctrl+x", "F9", kCutKeyNote},
        RealKey{"Return", "F9", kNoNameNote}, RealKey{"KP_Add", "F9", kNoNameNote},
        RealKey{"KP_Enter", "F9", kNoNameNote}, RealKey{"alt+m", "F9", kNoNameNote},
        RealKey{"shift+Escape", "F9", kNoNameNote}, RealKey{"BackSpace", "F9", kNoNameNote},
        RealKey{"super", "F9", kNoNameNote}));

TEST_F(MainWindowTest, RealAltKArmsTheCaptureAndTheNextKeysAreNamed) {
    ClickButton("按钮_添加");
    FocusControl("编辑框3");
    ASSERT_TRUE(PressKeysOnX("alt+k"));
    EXPECT_TRUE(IsKeyCaptureArmed());
    EXPECT_EQ(GetFocus(), ControlWindow("按钮_按键"));
    // The Alt released after K opened no menu: the next key is the capture's.
    ASSERT_TRUE(PressKeysOnX("ctrl+F7"));
    EXPECT_EQ(ControlText("编辑框2"), "CF7");
    EXPECT_EQ(GetFocus(), ControlWindow("按钮_按键"));
}

}  // namespace
}  // namespace keyloom::test
