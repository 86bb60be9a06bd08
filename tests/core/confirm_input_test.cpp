// What a confirm accepts and refuses in the key and command boxes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/confirm_input.h"
#include "core/env_lines.h"
#include "core/env_text.h"
#include "core/text_rules.h"

namespace keyloom {
namespace {

TEST(ConfirmInputTest, AcceptsOrdinaryInput) {
    EXPECT_TRUE(IsConfirmInputAcceptable("F2", "zoom fit"));
    EXPECT_TRUE(IsConfirmInputAcceptable("  F2  ", "  zoom  fit  "));
    EXPECT_TRUE(IsConfirmInputAcceptable("F2", "x"));
    // Chinese key and command: 放大 / 缩放 视图
    EXPECT_TRUE(IsConfirmInputAcceptable("\xB7\xC5\xB4\xF3", "\xCB\xF5\xB7\xC5 \xCA\xD3\xCD\xBC"));
    // Tabs around the texts are trimmed as around spaces; inside the
    // command one stays, inside the key it would end the key.
    EXPECT_TRUE(IsConfirmInputAcceptable("\tF2 \t", "\ta\tb\t"));
    EXPECT_FALSE(IsConfirmInputAcceptable("F2\tx", "a"));
    EXPECT_FALSE(IsConfirmInputAcceptable("\t\t", "a"));
}

TEST(ConfirmInputTest, RefusesEmptyBoxes) {
    EXPECT_FALSE(IsConfirmInputAcceptable("", "zoom fit"));
    EXPECT_FALSE(IsConfirmInputAcceptable("F2", ""));
    EXPECT_FALSE(IsConfirmInputAcceptable("", ""));
}

TEST(ConfirmInputTest, AKeyOfSpacesOnlyIsRefusedACommandOfSpacesPasses) {
    EXPECT_FALSE(IsConfirmInputAcceptable(" ", "zoom"));
    EXPECT_FALSE(IsConfirmInputAcceptable("   ", " "));
    EXPECT_FALSE(IsConfirmInputAcceptable("\xA1\xA1", "zoom"));
    EXPECT_TRUE(IsConfirmInputAcceptable("F2", "  "));
}

TEST(ConfirmInputTest, SpacesInAKeyOnlyBetweenItsQuotationMarks) {
    EXPECT_TRUE(IsConfirmInputAcceptable("' '", "iangle 45"));
    EXPECT_TRUE(IsConfirmInputAcceptable("  \" \xA1\xA1 \"x ", "zoom"));
    EXPECT_FALSE(IsConfirmInputAcceptable("' 'x y", "zoom"));
    EXPECT_FALSE(IsConfirmInputAcceptable("' '\xA1\xA1x", "zoom"));
    EXPECT_FALSE(IsConfirmInputAcceptable("' \"", "zoom"));
    // A mark never closed in the key would close in the command.
    EXPECT_TRUE(IsConfirmInputAcceptable("'", "zoom"));
    EXPECT_FALSE(IsConfirmInputAcceptable("'a", "it's"));
}

TEST(ConfirmInputTest, RefusesLineBreaksInEitherBox) {
    EXPECT_FALSE(IsConfirmInputAcceptable("F2\r\nF3", "zoom"));
    EXPECT_FALSE(IsConfirmInputAcceptable("F2", "zoom\r\nfit"));
    EXPECT_FALSE(IsConfirmInputAcceptable("F2\n", "zoom"));
    EXPECT_FALSE(IsConfirmInputAcceptable("F2", "zoom\r"));
    EXPECT_FALSE(IsConfirmInputAcceptable("F2", "\nzoom"));
    // A line break at an end is refused too, though trimming keeps it.
    EXPECT_FALSE(IsConfirmInputAcceptable("\r", "zoom"));
    // Even as the second byte of a double-byte character.
    EXPECT_FALSE(IsConfirmInputAcceptable("F2",
                                          "a\xB0\x0D"
                                          "b"));
    EXPECT_FALSE(IsConfirmInputAcceptable("\xB0\x0A", "zoom"));
}

TEST(ConfirmInputTest, RefusesASpaceInsideTheTrimmedKey) {
    EXPECT_FALSE(IsConfirmInputAcceptable("F2 F3", "zoom"));
    EXPECT_FALSE(IsConfirmInputAcceptable("  F2 F3  ", "zoom"));
    EXPECT_FALSE(
        IsConfirmInputAcceptable("F2\xA1\xA1"
                                 "F3",
                                 "zoom"));
    // Spaces around the key are trimmed away and do not count.
    EXPECT_TRUE(IsConfirmInputAcceptable(" F2 ", "zoom"));
    EXPECT_TRUE(
        IsConfirmInputAcceptable("\xA1\xA1"
                                 "F2\xA1\xA1",
                                 "zoom"));
    // The command may hold spaces.
    EXPECT_TRUE(IsConfirmInputAcceptable("F2", "pan  left \xA1\xA1 x"));
}

TEST(ConfirmInputTest, SpaceBytesAreJudgedByCharacterStepping) {
    // B0 20 is one double-byte character, not a space.
    EXPECT_TRUE(IsConfirmInputAcceptable("\xB0 X", "zoom"));
    EXPECT_TRUE(IsConfirmInputAcceptable("X\xB0 ", "zoom"));
    // A1 A1 only counts where a character starts: B0 A1 then A1 41.
    EXPECT_TRUE(
        IsConfirmInputAcceptable("\xB0\xA1\xA1"
                                 "A",
                                 "zoom"));
    // After a whole double-byte character a space is a space again.
    EXPECT_FALSE(IsConfirmInputAcceptable("\xB0\xA1 A", "zoom"));
    // Two lead bytes pair up, so the 20 after them starts a character.
    EXPECT_FALSE(IsConfirmInputAcceptable("\xB0\xB0 A", "zoom"));
}

TEST(ConfirmInputTest, RefusesSourceTelenvInEitherBox) {
    EXPECT_FALSE(IsConfirmInputAcceptable("F2", "source $TELENV"));
    EXPECT_FALSE(IsConfirmInputAcceptable("F2", "x source $TELENVy"));
    EXPECT_FALSE(IsConfirmInputAcceptable("F2", "xsource $TELENV"));
    // The key cannot hold it without a space, but a box is searched all the same.
    EXPECT_FALSE(IsConfirmInputAcceptable("source $TELENV", "zoom"));
    // Case and exact bytes matter.
    EXPECT_TRUE(IsConfirmInputAcceptable("F2", "Source $TELENV"));
    EXPECT_TRUE(IsConfirmInputAcceptable("F2", "source $TELEN V"));
}

TEST(ConfirmInputTest, RefusesTheMarkerInEitherBox) {
    EXPECT_FALSE(IsConfirmInputAcceptable("F2", "### User Preferences section"));
    EXPECT_FALSE(IsConfirmInputAcceptable("F2", "a ### User Preferences sections"));
    EXPECT_FALSE(IsConfirmInputAcceptable("### User Preferences section", "zoom"));
    EXPECT_TRUE(IsConfirmInputAcceptable("F2", "### user preferences section"));
    EXPECT_TRUE(IsConfirmInputAcceptable("F2", "### User Preferences"));
}

TEST(ConfirmInputTest, RefusesTheTextsWhereTheyJoinInTheAliasLine) {
    // "alias ### User Preferences section" and "alias source $TELENV".
    EXPECT_FALSE(IsConfirmInputAcceptable("###", "User Preferences section"));
    EXPECT_FALSE(IsConfirmInputAcceptable(" ###  ", "  User Preferences section "));
    EXPECT_FALSE(IsConfirmInputAcceptable("source", "$TELENV"));
    EXPECT_FALSE(IsConfirmInputAcceptable("xsource", "$TELENV x"));
    EXPECT_TRUE(IsConfirmInputAcceptable("###", "User Preferences"));
    EXPECT_TRUE(IsConfirmInputAcceptable("source", "TELENV"));
}

TEST(ConfirmInputTest, SearchesOnlyAtCharacterStarts) {
    // B0 23 is one character: the '#' after B0 is its second byte, so the
    // marker does not start there; the load reads past it the same way.
    std::string hidden = "\xB0### User Preferences section";
    EXPECT_TRUE(IsConfirmInputAcceptable("F2", hidden));
    std::string hiddenSource = "\xB0source $TELENV";
    // B0 73 is one character, "ource $TELENV" follows: not a match.
    EXPECT_TRUE(IsConfirmInputAcceptable("F2", hiddenSource));
    // After a whole double-byte character the marker starts a character.
    EXPECT_FALSE(IsConfirmInputAcceptable("F2", "\xB0\xA1### User Preferences section"));
}

}  // namespace
}  // namespace keyloom

namespace keyloom {
namespace {

// Whatever the check lets through is written by the next save and must come
// back from the next load as the row the confirm made, without disturbing
// the rows after it.
TEST(ConfirmInputTest, AcceptedInputComesBackFromTheFileUnchanged) {
    const std::vector<std::string> pieces = {"a",
                                             "F2",
                                             " ",
                                             "  ",
                                             "\xA1\xA1",
                                             "\xA1",
                                             "\xB0",
                                             "\xB0 ",
                                             "#",
                                             "###",
                                             "\t",
                                             "\r",
                                             "\n",
                                             "\r\n",
                                             "source",
                                             " $TELENV",
                                             "$TELENV",
                                             "source $TELENV",
                                             " User Preferences section",
                                             "### User Preferences",
                                             "\xD5\xC5",
                                             "\\",
                                             "'",
                                             "\"",
                                             "x"};
    std::mt19937 random(20240601);
    auto make = [&] {
        std::string text;
        const int count = static_cast<int>(random() % 5);
        for (int i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
        return text;
    };
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string key = make();
        const std::string command = make();
        if (!IsConfirmInputAcceptable(key, command)) continue;
        ++accepted;
        const std::vector<HotkeyEntry> rows = {
            {"F1", "before"},
            {std::string(TrimBlanks(key)), std::string(TrimBlanks(command))},
            {"F9", "after"}};
        ASSERT_EQ(ParseEnvText(ComposeEnvText(rows)), rows)
            << "key [" << key << "] command [" << command << "]";
    }
    // The generator must reach the accepting side often enough to matter.
    EXPECT_GT(accepted, 2000);
}

}  // namespace
}  // namespace keyloom
