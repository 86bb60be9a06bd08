// Keys named as Allegro's env spells them, for every key and modifier
// combination of the table, each refusal, and the verb a key gets unless
// the user chooses.
#include "core/allegro_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace keyloom {
namespace {

struct Modifiers {
    bool ctrl, alt, shift;
    const char* prefix;  // the letters Allegro writes before a key word
};

// Every combination of the three modifiers, with its prefix.
const Modifiers kAllModifiers[] = {
    {false, false, false, ""}, {true, false, false, "C"}, {false, true, false, "A"},
    {false, false, true, "S"}, {true, true, false, "CA"}, {true, false, true, "CS"},
    {false, true, true, "AS"}, {true, true, true, "CAS"},
};

KeyPress Press(int key, const Modifiers& m, char character = 0, bool keypad = false) {
    return {key, m.ctrl, m.alt, m.shift, character, keypad};
}

KeyPress Bare(int key, char character = 0) {
    return {key, false, false, false, character, false};
}
KeyPress WithShift(int key, char character) {
    return {key, false, false, true, character, false};
}
KeyPress WithCtrl(int key, char character, bool shift = false) {
    return {key, true, false, shift, character, false};
}

void ExpectName(const KeyPress& press, const std::string& name) {
    const KeyName got = AllegroKeyName(press);
    EXPECT_EQ(got.naming, KeyNaming::Named) << name;
    EXPECT_EQ(got.name, name);
}

void ExpectNoName(const KeyPress& press, const std::string& what) {
    const KeyName got = AllegroKeyName(press);
    EXPECT_EQ(got.naming, KeyNaming::NoName) << what << " was named " << got.name;
    EXPECT_EQ(got.name, "") << what;
}

TEST(AllegroKeyNameTest, FunctionKeysTakeTheModifierLettersInTheOrderCtrlAltShift) {
    for (int n = 1; n <= 12; ++n) {
        for (const Modifiers& m : kAllModifiers) {
            ExpectName(Press(vk::kF1 + n - 1, m), m.prefix + ("F" + std::to_string(n)));
        }
    }
    // The table's own examples.
    ExpectName(Press(vk::kF1 + 1, {false, false, true, ""}), "SF2");
    ExpectName(Press(vk::kF1 + 1, {true, true, false, ""}), "CAF2");
    ExpectName(Press(vk::kF1 + 1, {false, true, true, ""}), "ASF2");
    ExpectName(Press(vk::kF1 + 1, {true, true, true, ""}), "CASF2");
}

TEST(AllegroKeyNameTest, NavigationKeysTakeTheSamePrefixes) {
    const struct {
        int key;
        const char* word;
    } keys[] = {{vk::kUp, "Up"},       {vk::kDown, "Down"},   {vk::kLeft, "Left"},
                {vk::kRight, "Right"}, {vk::kHome, "Home"},   {vk::kEnd, "End"},
                {vk::kPrior, "Pgup"},  {vk::kNext, "Pgdown"}, {vk::kInsert, "Insert"},
                {vk::kDelete, "Del"}};
    for (const auto& key : keys) {
        for (const Modifiers& m : kAllModifiers) {
            ExpectName(Press(key.key, m), std::string(m.prefix) + key.word);
        }
    }
    ExpectName(Press(vk::kUp, {false, false, true, ""}), "SUp");
    ExpectName(Press(vk::kLeft, {true, false, true, ""}), "CSLeft");
    ExpectName(Press(vk::kNext, {true, false, false, ""}), "CPgdown");
    ExpectName(Press(vk::kInsert, {false, false, true, ""}), "SInsert");
    ExpectName(Press(vk::kDelete, {true, false, false, ""}), "CDel");
}

TEST(AllegroKeyNameTest, EscTabAndSpaceAreNamedOnlyWithoutModifiers) {
    ExpectName(Bare(vk::kEscape, 0x1B), "Esc");
    ExpectName(Bare(vk::kTab, '\t'), "Tab");
    ExpectName(Bare(vk::kSpace, ' '), "' '");
    for (const Modifiers& m : kAllModifiers) {
        if (!m.ctrl && !m.alt && !m.shift) continue;
        ExpectNoName(Press(vk::kEscape, m), std::string(m.prefix) + "Esc");
        ExpectNoName(Press(vk::kTab, m, '\t'), std::string(m.prefix) + "Tab");
        ExpectNoName(Press(vk::kSpace, m, ' '), std::string(m.prefix) + "Space");
    }
}

TEST(AllegroKeyNameTest, CtrlWithALetterIsTildeAndTheLetterUpperCase) {
    for (char c = 'a'; c <= 'z'; ++c) {
        if (c == 'c' || c == 'v' || c == 'x') continue;
        const char upper = static_cast<char>(c - 'a' + 'A');
        ExpectName(WithCtrl(upper, c), std::string("~") + upper);
    }
    ExpectName(WithCtrl('N', 'n'), "~N");
    ExpectName(WithCtrl('R', 'r'), "~R");
}

TEST(AllegroKeyNameTest, CtrlWithADigitOrPunctuationIsTildeAndTheCharacter) {
    for (char c = '0'; c <= '9'; ++c) ExpectName(WithCtrl(c, c), std::string("~") + c);
    // The punctuation keys of a US layout, by their virtual keys.
    const struct {
        int key;
        char character;
    } marks[] = {{0xDD, ']'},  {0xDB, '['}, {0xDC, '\\'}, {0xBD, '-'}, {0xBB, '='}, {0xBA, ';'},
                 {0xDE, '\''}, {0xBC, ','}, {0xBE, '.'},  {0xBF, '/'}, {0xC0, '`'}};
    for (const auto& mark : marks) {
        ExpectName(WithCtrl(mark.key, mark.character), std::string("~") + mark.character);
    }
}

TEST(AllegroKeyNameTest, CtrlShiftWithALetterIsTildeSAndTheLetter) {
    for (char c = 'A'; c <= 'Z'; ++c) ExpectName(WithCtrl(c, c, true), std::string("~S") + c);
    ExpectName(WithCtrl('Z', 'Z', true), "~SZ");
    // Ctrl+Shift+C is no copy: Allegro's copy is Ctrl+C alone.
    ExpectName(WithCtrl('C', 'C', true), "~SC");
}

TEST(AllegroKeyNameTest, CtrlShiftWithAnotherCharacterHasNoName) {
    ExpectNoName(WithCtrl('1', '!', true), "Ctrl+Shift+1");
    ExpectNoName(WithCtrl(0xDD, '}', true), "Ctrl+Shift+]");
    ExpectNoName(WithCtrl(0xBB, '+', true), "Ctrl+Shift+=");
}

TEST(AllegroKeyNameTest, CtrlCVAndXAreAllegrosCopyPasteAndCut) {
    for (char c : {'c', 'v', 'x'}) {
        const KeyName got = AllegroKeyName(WithCtrl(c - 'a' + 'A', c));
        EXPECT_EQ(got.naming, KeyNaming::Reserved) << c;
        EXPECT_EQ(got.name, "") << c;
    }
    // On another layout the key that types c is the one refused.
    EXPECT_EQ(AllegroKeyName(WithCtrl('J', 'c')).naming, KeyNaming::Reserved);
    ExpectName(WithCtrl('C', 'j'), "~J");
}

TEST(AllegroKeyNameTest, ABareCharacterIsItselfCaseSensitive) {
    for (char c = 'a'; c <= 'z'; ++c) {
        ExpectName(Bare(c - 'a' + 'A', c), std::string(1, c));
        const char upper = static_cast<char>(c - 'a' + 'A');
        ExpectName(WithShift(upper, upper), std::string(1, upper));
    }
    for (char c = '0'; c <= '9'; ++c) ExpectName(Bare(c, c), std::string(1, c));
    ExpectName(Bare('M', 'm'), "m");
    ExpectName(WithShift('M', 'M'), "M");
    ExpectName(WithShift('S', 'S'), "S");
    ExpectName(Bare(0xBD, '-'), "-");
    ExpectName(WithShift(0xBB, '+'), "+");
    ExpectName(Bare(0xDB, '['), "[");
    ExpectName(WithShift('1', '!'), "!");
    ExpectName(Bare(0xDC, '\\'), "\\");
}

TEST(AllegroKeyNameTest, QuotationMarksAndTildeAloneHaveNoName) {
    ExpectNoName(Bare(0xDE, '\''), "'");
    ExpectNoName(WithShift(0xDE, '"'), "\"");
    ExpectNoName(WithShift(0xC0, '~'), "~");
}

TEST(AllegroKeyNameTest, AModifierAloneWaitsForTheKey) {
    const int modifiers[] = {vk::kShift,        vk::kControl,    vk::kMenu,
                             vk::kLeftShift,    vk::kRightShift, vk::kLeftControl,
                             vk::kRightControl, vk::kLeftMenu,   vk::kRightMenu};
    for (int key : modifiers) {
        for (const Modifiers& m : kAllModifiers) {
            const KeyName got = AllegroKeyName(Press(key, m));
            EXPECT_EQ(got.naming, KeyNaming::WaitForKey) << key << " " << m.prefix;
            EXPECT_EQ(got.name, "");
        }
    }
}

TEST(AllegroKeyNameTest, EnterBackspaceWindowsAndLockKeysHaveNoName) {
    for (const Modifiers& m : kAllModifiers) {
        ExpectNoName(Press(vk::kReturn, m, '\r'), std::string(m.prefix) + "Enter");
        ExpectNoName(Press(vk::kBack, m, '\b'), std::string(m.prefix) + "Backspace");
        ExpectNoName(Press(vk::kLeftWin, m), "left Windows key");
        ExpectNoName(Press(vk::kRightWin, m), "right Windows key");
        ExpectNoName(Press(vk::kApps, m), "menu key");
    }
    for (int key : {vk::kCapital, vk::kNumLock, vk::kScroll, vk::kPause}) {
        ExpectNoName(Bare(key), "lock or pause key " + std::to_string(key));
    }
}

TEST(AllegroKeyNameTest, FunctionKeysFromF13OnHaveNoName) {
    for (int key = vk::kF13; key <= vk::kF24; ++key) {
        for (const Modifiers& m : kAllModifiers) {
            ExpectNoName(Press(key, m), "F" + std::to_string(key - vk::kF1 + 1));
        }
    }
}

TEST(AllegroKeyNameTest, TheNumericKeypadHasNoName) {
    for (int key = vk::kNumpad0; key <= vk::kNumpad9; ++key) {
        ExpectNoName(Bare(key, static_cast<char>('0' + key - vk::kNumpad0)), "keypad digit");
        ExpectNoName(WithCtrl(key, static_cast<char>('0' + key - vk::kNumpad0)),
                     "Ctrl+keypad digit");
    }
    const struct {
        int key;
        char character;
    } operators[] = {{vk::kMultiply, '*'}, {vk::kAdd, '+'},     {vk::kSeparator, ','},
                     {vk::kSubtract, '-'}, {vk::kDecimal, '.'}, {vk::kDivide, '/'}};
    for (const auto& op : operators) ExpectNoName(Bare(op.key, op.character), "keypad operator");
    // The keypad's Enter and, with Num Lock off, its arrows and Home, as the
    // caller tells them apart.
    for (int key : {vk::kReturn, vk::kUp, vk::kHome, vk::kPrior, vk::kInsert, vk::kDelete}) {
        for (const Modifiers& m : kAllModifiers) {
            ExpectNoName(Press(key, m, 0, true), "keypad key " + std::to_string(key));
        }
    }
}

TEST(AllegroKeyNameTest, AltOrCtrlAltWithACharacterHasNoName) {
    ExpectNoName({'M', false, true, false, 'm', false}, "Alt+M");
    ExpectNoName({'M', false, true, true, 'M', false}, "Alt+Shift+M");
    ExpectNoName({'1', false, true, false, '1', false}, "Alt+1");
    ExpectNoName({'Q', true, true, false, 'q', false}, "Ctrl+Alt+Q (AltGr)");
    ExpectNoName({'C', true, true, false, 'c', false}, "Ctrl+Alt+C");
}

TEST(AllegroKeyNameTest, KeysThatTypeNoAsciiCharacterHaveNoName) {
    ExpectNoName(Bare(0xE2, 0), "a key that types nothing");
    ExpectNoName(Bare(0xDE, static_cast<char>(0xE4)), "a key that types a non-ASCII letter");
    ExpectNoName(WithCtrl(0xDE, static_cast<char>(0xE4)), "Ctrl with a non-ASCII letter");
    ExpectNoName(WithCtrl(0xE2, 0), "Ctrl with a key that types nothing");
}

TEST(DefaultVerbForKeyTest, OneTypedCharacterOrTheQuotedSpaceIsAFunckey) {
    for (const char* key : {"m", "M", "S", "1", "-", "+", "[", "~", "' '", "\\"}) {
        EXPECT_EQ(DefaultVerbForKey(key), HotkeyVerb::Funckey) << key;
    }
}

TEST(DefaultVerbForKeyTest, EveryOtherKeyIsAnAlias) {
    for (const char* key : {"", "F2", "SF2", "~R", "~SZ", "Esc", "Tab", "Pgdown", "mm", "zz", " ",
                            "\t", "' ", "\" \"", "\xb0\xb4"}) {
        EXPECT_EQ(DefaultVerbForKey(key), HotkeyVerb::Alias) << key;
    }
}

}  // namespace
}  // namespace keyloom
