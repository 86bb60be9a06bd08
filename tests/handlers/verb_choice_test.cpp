// The verb in the panel through the real window and the session: 添加
// starts from alias and follows the key box until the user chooses, 修改
// starts from its row's verb, chosen; the confirm writes the verb shown and
// asks about keys bound twice with it.
#include <windows.h>

#include <string>

#include "tests/handlers/editing_fixture.h"
#include "window/key_capture.h"
#include "window/verb_choice.h"
#include "window/window_ops.h"

namespace keyloom::test {
namespace {

const std::string kHead = "source $TELENV\r\n";
const std::string kTwoVerbs = kHead + "funckey m move\r\nalias F2 zoom in\r\n";

class VerbChoiceTest : public EditingTest {
protected:
    static bool Checked(const char* radio) {
        return SendMessageA(ControlWindow(radio), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // The panel's choice as the user sees it: exactly one radio checked.
    static HotkeyVerb Shown() {
        EXPECT_NE(Checked("单选框_alias"), Checked("单选框_funckey"));
        return Checked("单选框_funckey") ? HotkeyVerb::Funckey : HotkeyVerb::Alias;
    }
    void Confirm() { ClickButton("按钮_确认"); }
};

TEST_F(VerbChoiceTest, AddStartsFromAnUnchosenAliasThatFollowsTheKeyBox) {
    StartWithBytes(kTwoVerbs);
    ClickButton("按钮_添加");
    EXPECT_EQ(Shown(), HotkeyVerb::Alias);
    EXPECT_FALSE(IsVerbChosen());
    const struct {
        const char* key;
        HotkeyVerb verb;
    } typed[] = {{"m", HotkeyVerb::Funckey},   {"F2", HotkeyVerb::Alias},
                 {"' '", HotkeyVerb::Funckey}, {" M ", HotkeyVerb::Funckey},
                 {"zz", HotkeyVerb::Alias},    {"[", HotkeyVerb::Funckey},
                 {"~R", HotkeyVerb::Alias},    {"", HotkeyVerb::Alias}};
    for (const auto& t : typed) {
        TypeInto("编辑框2", t.key);
        EXPECT_EQ(Shown(), t.verb) << t.key;
        EXPECT_EQ(PanelVerb(), t.verb) << t.key;
    }
    EXPECT_FALSE(IsVerbChosen());
}

TEST_F(VerbChoiceTest, AnAddedTypedCharacterIsWrittenAsAFunckeyAndAWordAsAnAlias) {
    StartWithBytes(kTwoVerbs);
    ClickButton("按钮_添加");
    Type("S", "slide");
    Confirm();
    ClickButton("按钮_添加");
    Type("F7", "zoom out");
    Confirm();
    EXPECT_EQ(EnvBytes(), kTwoVerbs + "funckey S slide\r\nalias F7 zoom out\r\n");
    EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(VerbChoiceTest, ACapturedBareCharacterIsOfferedAsAFunckey) {
    StartWithBytes(kTwoVerbs);
    ClickButton("按钮_添加");
    TypeInto("编辑框3", "slide");
    ClickButton("按钮_按键");
    PressKeyHolding(GetFocus(), 'S', {false, false, true});
    ASSERT_EQ(Text("编辑框2"), "S");
    EXPECT_EQ(Shown(), HotkeyVerb::Funckey);
    ClickButton("按钮_按键");
    PressKeyHolding(GetFocus(), VK_F4, {false, false, true});
    ASSERT_EQ(Text("编辑框2"), "SF4");
    EXPECT_EQ(Shown(), HotkeyVerb::Alias);
    ClickButton("按钮_按键");
    PressKeyHolding(GetFocus(), 'S', {false, false, true});
    Confirm();
    EXPECT_EQ(EnvBytes(), kTwoVerbs + "funckey S slide\r\n");
}

TEST_F(VerbChoiceTest, AClickedChoiceStandsWhateverTheKey) {
    StartWithBytes(kTwoVerbs);
    ClickButton("按钮_添加");
    ClickButton("单选框_funckey");
    EXPECT_TRUE(IsVerbChosen());
    Type("F7", "zoom out");
    EXPECT_EQ(Shown(), HotkeyVerb::Funckey);
    Confirm();
    ClickButton("按钮_添加");
    Type("z", "zoom in");
    ASSERT_EQ(Shown(), HotkeyVerb::Funckey);
    // The shown default, clicked, is the user's too.
    ClickButton("单选框_funckey");
    ClickButton("单选框_alias");
    TypeInto("编辑框2", "x");
    EXPECT_EQ(Shown(), HotkeyVerb::Alias);
    Confirm();
    EXPECT_EQ(EnvBytes(), kTwoVerbs + "funckey F7 zoom out\r\nalias x zoom in\r\n");
}

// The name of the control that has the focus after Tab on the focused one.
std::string TabFromFocus() {
    PressKey(GetFocus(), VK_TAB);
    for (const char* name :
         {"编辑框2", "按钮_按键", "编辑框3", "单选框_alias", "单选框_funckey", "按钮_确认"}) {
        if (GetFocus() == ControlWindow(name)) return name;
    }
    return "?";
}

TEST_F(VerbChoiceTest, TabReachesTheShownChoiceAndTheArrowsAndSpaceChoose) {
    StartWithBytes(kTwoVerbs);
    ClickButton("按钮_添加");
    ASSERT_EQ(GetFocus(), ControlWindow("编辑框2"));
    TypeInto("编辑框2", "m");
    EXPECT_EQ(TabFromFocus(), "按钮_按键");
    EXPECT_EQ(TabFromFocus(), "编辑框3");
    // The group is one stop, at its checked choice.
    EXPECT_EQ(TabFromFocus(), "单选框_funckey");
    EXPECT_EQ(TabFromFocus(), "按钮_确认");
    // Back into the group, Space makes the shown default the user's own.
    PressKeyHolding(GetFocus(), VK_TAB, {false, false, true});
    ASSERT_EQ(GetFocus(), ControlWindow("单选框_funckey"));
    PressKey(GetFocus(), VK_SPACE);
    EXPECT_TRUE(IsVerbChosen());
    TypeInto("编辑框2", "F2");
    EXPECT_EQ(Shown(), HotkeyVerb::Funckey);
    // An arrow moves the choice and the focus to the other verb.
    PressKey(GetFocus(), VK_DOWN);
    EXPECT_EQ(Shown(), HotkeyVerb::Alias);
    EXPECT_EQ(GetFocus(), ControlWindow("单选框_alias"));
    PressKey(GetFocus(), VK_LEFT);
    EXPECT_EQ(Shown(), HotkeyVerb::Funckey);
    EXPECT_EQ(GetFocus(), ControlWindow("单选框_funckey"));
    PressKey(GetFocus(), VK_RIGHT);
    EXPECT_EQ(Shown(), HotkeyVerb::Alias);
    TypeInto("编辑框2", "q");
    TypeInto("编辑框3", "quit");
    Confirm();
    EXPECT_EQ(EnvBytes(), kTwoVerbs + "alias q quit\r\n");
}

TEST_F(VerbChoiceTest, AModifyKeepsAFunckeyRowAFunckeyRowWhateverItsNewKey) {
    StartWithBytes(kTwoVerbs);
    OpenForModify(0);
    EXPECT_EQ(Shown(), HotkeyVerb::Funckey);
    EXPECT_TRUE(IsVerbChosen());
    Type("F5", "move");
    EXPECT_EQ(Shown(), HotkeyVerb::Funckey);
    Confirm();
    // The alias row the same way: its verb stays with a one-character key.
    OpenForModify(0);
    EXPECT_EQ(Shown(), HotkeyVerb::Alias);
    Type("z", "zoom in");
    EXPECT_EQ(Shown(), HotkeyVerb::Alias);
    Confirm();
    EXPECT_EQ(EnvBytes(), kHead + "funckey F5 move\r\nalias z zoom in\r\n");
}

TEST_F(VerbChoiceTest, AModifyWritesTheOtherVerbWhenTheUserChoosesIt) {
    StartWithBytes(kTwoVerbs);
    OpenForModify(0);
    ClickButton("单选框_alias");
    Confirm();
    EXPECT_EQ(EnvBytes(), kHead + "alias F2 zoom in\r\nalias m move\r\n");
}

TEST_F(VerbChoiceTest, AnAddAfterAModifyStartsUnchosenAgain) {
    StartWithBytes(kTwoVerbs);
    OpenForModify(1);
    ClickButton("单选框_funckey");
    ClickButton("按钮_修改");  // the panel closes unconfirmed
    ClickButton("按钮_添加");
    EXPECT_FALSE(IsVerbChosen());
    // The key box still holds F2: an alias.
    EXPECT_EQ(Text("编辑框2"), "F2");
    EXPECT_EQ(Shown(), HotkeyVerb::Alias);
    TypeInto("编辑框2", "m");
    EXPECT_EQ(Shown(), HotkeyVerb::Funckey);
}

TEST_F(VerbChoiceTest, KeysBoundTwiceAreTheSameVerbsKeys) {
    StartWithBytes(kTwoVerbs);
    ClickButton("按钮_添加");
    Type("m", "mirror");
    // funckey m is bound already: asked, answered 否, nothing written.
    Confirm();
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].style, static_cast<unsigned>(MB_YESNO));
    EXPECT_EQ(EnvBytes(), kTwoVerbs);
    // As an alias it binds another key: no question.
    ClickButton("单选框_alias");
    Confirm();
    EXPECT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(EnvBytes(), kTwoVerbs + "alias m mirror\r\n");
}

}  // namespace
}  // namespace keyloom::test
