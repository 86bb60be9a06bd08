// ParseEnvText: the worked example, the lines that read in surprising ways,
// the bytes that must not be taken for separators, and agreement with the
// plain reference on generated texts.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/env_text.h"
#include "tests/core/reference_env_text.h"
#include "tests/core/text_generator.h"

namespace keyloom {
namespace {

using namespace std::string_view_literals;
using Entries = std::vector<HotkeyEntry>;

void PrintTo(const HotkeyEntry& entry, std::ostream* out) {
    *out << "{'" << entry.key << "', '" << entry.command << "'}";
}

const std::string kMarkerLine = "### User Preferences section\r\n";

// A file whose head is these lines, each ended by CR LF.
std::string FileWithHead(const std::string& lines) {
    return "source $TELENV\r\n\r\n\r\n" + lines + "\r\n" + kMarkerLine + "set x 1\r\n";
}

TEST(ParseEnvText, WorkedExampleGivesItsFourHotkeyLines) {
    // 'set color red' is a setting, not a hotkey; the spaces after a verb
    // are skipped.
    const std::string text =
        "source $TELENV\r\n\r\n\r\nalias F2 zoom fit\r\nalias F4 pan  left \r\nalias F5\r\n"
        "set color red\r\nalias  F6 x\r\n\r\n### User Preferences section\r\nset a b\r\n";
    const Entries expected = {{"F2", "zoom fit"}, {"F4", "pan  left"}, {"F5", ""}, {"F6", "x"}};
    EXPECT_EQ(ParseEnvText(text), expected);
}

TEST(ParseEnvText, WithoutMarkerTheWholeTextIsTheHead) {
    EXPECT_EQ(ParseEnvText("alias F2 zoom\r\nalias F3 pan\r\n"),
              (Entries{{"F2", "zoom"}, {"F3", "pan"}}));
    EXPECT_EQ(ParseEnvText("alias F2 zoom"), (Entries{{"F2", "zoom"}}));
    EXPECT_EQ(ParseEnvText(""), Entries{});
}

TEST(ParseEnvText, HotkeysBelowTheMarkerFollowThoseAboveIt) {
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F1 a") + "funckey b c\r\nalias F2 d"),
              (Entries{{"F1", "a"}, {"b", "c"}, {"F2", "d"}}));
    EXPECT_EQ(ParseEnvText(kMarkerLine + "alias F2 zoom\r\n"), (Entries{{"F2", "zoom"}}));
}

TEST(ParseEnvText, OnlyAliasAndFunckeyLinesAreHotkeys) {
    EXPECT_EQ(ParseEnvText(FileWithHead("# note here\r\nset color red\r\nunset x y\r\n"
                                        "ifvar a b c\r\nbutton b1 zoom in\r\nAlias F2 x\r\n"
                                        "funckey ^z  'undo'\r\nfunckey a move")),
              (Entries{{"^z", "'undo'"}, {"a", "move"}}));
}

TEST(ParseEnvText, OnlyTheFirstMarkerCountsEvenInsideALine) {
    // Its line is never a hotkey; the part before it is the head's last line.
    EXPECT_EQ(
        ParseEnvText("alias F1 x\r\nalias F9 ### User Preferences section\r\nalias F3 y\r\n"
                     "alias F4 ### User Preferences section"),
        (Entries{{"F1", "x"}, {"F9", ""}, {"F3", "y"}, {"F4", "### User Preferences section"}}));
}

TEST(ParseEnvText, MarkerAfterALeadByteIsNoMarker) {
    // 81 23 is one character, so the marker's first '#' is a second byte.
    const std::string text =
        "alias F2 \x81### User Preferences section\r\nalias F3 y\r\n" + kMarkerLine;
    EXPECT_EQ(ParseEnvText(text),
              (Entries{{"F2", "\x81### User Preferences section"}, {"F3", "y"}}));
}

TEST(ParseEnvText, SourceTelenvIsALineOfItsOwnNotAHotkey) {
    EXPECT_EQ(ParseEnvText(FileWithHead("source $TELENV F7 y")), Entries{});
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F2 source $TELENVX")),
              (Entries{{"F2", "source $TELENVX"}}));
}

TEST(ParseEnvText, KeyIsTheSecondFieldAndDuplicatesStay) {
    EXPECT_EQ(ParseEnvText(FileWithHead("alias A B c")), (Entries{{"A", "B c"}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F2 a\r\nalias F2 b")),
              (Entries{{"F2", "a"}, {"F2", "b"}}));
}

TEST(ParseEnvText, LineWithALeadingSpaceIsNoHotkey) {
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F1 a\r\n alias F2 x\r\n\xA1\xA1"
                                        "alias F3 y")),
              (Entries{{"F1", "a"}}));
    EXPECT_EQ(ParseEnvText("alias F2 x y  ### User Preferences section"), (Entries{{"F2", "x y"}}));
}

TEST(ParseEnvText, LfEndsALineWithOrWithoutCrAndALoneCrIsAnOrdinaryByte) {
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F2 a\nalias F3 b")),
              (Entries{{"F2", "a"}, {"F3", "b"}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F2 a\ralias F3 b")),
              (Entries{{"F2", "a\ralias F3 b"}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F2 a\r\r\n\nalias F3 b")),
              (Entries{{"F2", "a\r"}, {"F3", "b"}}));
}

TEST(ParseEnvText, ATabSeparatesAsASpaceDoes) {
    // As published: seven hotkeys written with a tab after the key.
    EXPECT_EQ(ParseEnvText(FileWithHead("alias window\tzoom\nalias picky\tpick l")),
              (Entries{{"window", "zoom"}, {"picky", "pick l"}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("alias\tF2 \t x\ty \t")), (Entries{{"F2", "x\ty"}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("funckey 'a b'\tdone")), (Entries{{"'a b'", "done"}}));
    // After a lead byte a tab is its second byte, no blank.
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F2 x\xB0\t")), (Entries{{"F2", "x\xB0\t"}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("alias\t\t")), Entries{});
}

TEST(ParseEnvText, SecondBytesAreNeverSeparators) {
    // B0 20: no field ends there. B0 0D: no line ends there. 81 5C: kept.
    EXPECT_EQ(ParseEnvText(FileWithHead("alias \xB0 x y")), (Entries{{"\xB0 x", "y"}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F2 a\xB0\nalias F3 b")),
              (Entries{{"F2", "a\xB0\nalias F3 b"}}));
    // B0 0D is one character; the LF after it still ends the line.
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F2 a\xB0\r\nalias F3 b")),
              (Entries{{"F2", "a\xB0\r"}, {"F3", "b"}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("alias \x81\x5C \x81\x5C\\")),
              (Entries{{"\x81\x5C", "\x81\x5C\\"}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F2 \xD6\xD0\xA1\xA1")),
              (Entries{{"F2", "\xD6\xD0"}}));
}

TEST(ParseEnvText, TheKeyFollowsAllSpacesAfterTheVerb) {
    EXPECT_EQ(ParseEnvText(FileWithHead("alias  Pgdown zoom out\r\nalias     Sa     replay x ")),
              (Entries{{"Pgdown", "zoom out"}, {"Sa", "replay x"}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("alias   x")), (Entries{{"x", ""}}));
    // Only the byte 0x20 is skipped.
    EXPECT_EQ(ParseEnvText(FileWithHead("alias \xA1\xA1 x")), (Entries{{"\xA1\xA1", "x"}}));
}

TEST(ParseEnvText, AQuotedKeyRunsToItsClosingMarkAndOnToTheNextSpace) {
    EXPECT_EQ(
        ParseEnvText(FileWithHead("funckey ' ' \"iangle 45\"\r\nalias \"a b\"c d\r\n"
                                  "alias \"it's\" x\r\nalias '' y")),
        (Entries{{"' '", "\"iangle 45\""}, {"\"a b\"c", "d"}, {"\"it's\"", "x"}, {"''", "y"}}));
    // Never closed: it ends at the next space. B0 27 is one character, so
    // its 27 closes nothing.
    EXPECT_EQ(ParseEnvText(FileWithHead("alias 'x y z\r\nalias '\xB0' x' y")),
              (Entries{{"'x", "y z"}, {"'\xB0' x'", "y"}}));
}

TEST(ParseEnvText, EmptyCommands) {
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F5 ")), (Entries{{"F5", ""}}));
    EXPECT_EQ(ParseEnvText(FileWithHead("alias F5  \xA1\xA1 ")), (Entries{{"F5", ""}}));
}

TEST(ParseEnvText, LineWithoutAKeyIsNoHotkey) {
    EXPECT_EQ(
        ParseEnvText(FileWithHead("alias\r\nalias \r\nalias   \r\nfunckey\r\n \r\nalias F1 a")),
        (Entries{{"F1", "a"}}));
}

TEST(ParseEnvText, OnlySourceTelenvAndEmptyLinesGiveNothing) {
    EXPECT_EQ(ParseEnvText("source $TELENV\r\n\r\n\r\n\r\n" + kMarkerLine + "set x\r\n"),
              Entries{});
}

TEST(ParseEnvText, AgreesWithTheReferenceOnGeneratedTexts) {
    std::mt19937 random(21);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = testing::RandomText(random, 20);
        ASSERT_EQ(ParseEnvText(text), reference::ParseEnvText(text)) << "text: " << text;
    }
}

}  // namespace
}  // namespace keyloom
