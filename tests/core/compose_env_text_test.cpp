// ComposeEnvText: the exact bytes of the written layout, and the round trip
// through ParseEnvText of entries without the known hazards.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/env_text.h"
#include "tests/core/reference_env_text.h"
#include "tests/core/text_generator.h"

namespace keyloom {
namespace {

using Entries = std::vector<HotkeyEntry>;

void PrintTo(const HotkeyEntry& entry, std::ostream* out) {
    *out << "{'" << entry.key << "', '" << entry.command << "'}";
}

const std::string kHeader = "source $TELENV\r\n\r\n\r\n";

// The preferences block, line by line with the length each line must have.
const std::pair<int, std::string> kTailLines[] = {
    {0, ""},
    {28, "### User Preferences section"},
    {39, "### This section is computer generated."},
    {48, "### Please do not modify to the end of the file."},
    {45, "### Place your hand edits above this section."},
    {3, "###"},
    {53, "set psmpath = $psmpath \"E:\\Eda data\\PCB LIB\\allegro\\\""},
    {53, "set padpath = $padpath \"E:\\Eda data\\PCB LIB\\allegro\\\""},
    {28, "unset allegro_etch_length_on"},
    {26, "unset allegro_dynam_timing"},
    {18, "set disable_opengl"},
    {25, "set pcb_cursor = infinite"},
    {23, "unset new_shape_fill_nt"},
    {26, "unset old_shape_fill_style"},
    {34, "set display_shapefill_analysis = 1"},
    {17, "set no_shape_fill"},
};

std::string TailBlock() {
    std::string tail;
    for (const auto& [length, line] : kTailLines) {
        EXPECT_EQ(line.size(), static_cast<std::size_t>(length)) << line;
        tail += line + "\r\n";
    }
    return tail;
}

TEST(ComposeEnvText, EmptyListIsHeaderAndTailBlock518Bytes) {
    const std::string text = ComposeEnvText({});
    EXPECT_EQ(text, kHeader + TailBlock());
    EXPECT_EQ(text.size(), 518u);
}

TEST(ComposeEnvText, OneAliasLinePerEntryInOrderWithDuplicates) {
    const std::string text = ComposeEnvText({{"F2", "zoom fit"}, {"F3", "pan"}, {"F2", "x"}});
    EXPECT_EQ(text, kHeader + "alias F2 zoom fit\r\nalias F3 pan\r\nalias F2 x\r\n" + TailBlock());
}

TEST(ComposeEnvText, OnlyTrailingSpacesGo) {
    EXPECT_EQ(ComposeEnvText({{"F3 ", "pan  left  "}}),
              kHeader + "alias F3 pan  left\r\n" + TailBlock());
    EXPECT_EQ(ComposeEnvText({{" F3\xA1\xA1", " x \xA1\xA1"}}),
              kHeader + "alias  F3  x\r\n" + TailBlock());
    EXPECT_EQ(ComposeEnvText({{"", ""}}), kHeader + "alias  \r\n" + TailBlock());
}

TEST(ComposeEnvText, LoneLeadByteAtTheEndIsDropped) {
    // Written as it is, B0 would join the space or the CR after it into one
    // character, and the line would read back as something else.
    EXPECT_EQ(ComposeEnvText({{"F2\xB0", "x\xB0"}}), kHeader + "alias F2 x\r\n" + TailBlock());
    EXPECT_EQ(ComposeEnvText({{"\xD6\xD0", "\xB0 "}}),
              kHeader + "alias \xD6\xD0 \xB0 \r\n" + TailBlock());
}

TEST(ComposeEnvText, AgreesWithTheReference) {
    std::mt19937 random(31);
    for (int round = 0; round < 3000; ++round) {
        const Entries entries = testing::RandomEntries(random, 6);
        ASSERT_EQ(ComposeEnvText(entries), reference::ComposeEnvText(entries));
    }
}

TEST(RoundTrip, WorkedExampleEntriesComeBack) {
    const Entries entries = {{"F2", "zoom fit"},
                             {"F4", "pan  left"},
                             {"F5", ""},
                             {"color", "red"},
                             {"F6", "x"},
                             {"' '", "iangle 45"},
                             {"\xD6\xD0", "\xB1\xED \x81\x5C"},
                             {"F7", "a\rb c\td"}};
    EXPECT_EQ(ParseEnvText(ComposeEnvText(entries)), entries);
}

TEST(RoundTrip, GeneratedEntriesWithoutHazardsComeBackEqual) {
    std::mt19937 random(32);
    std::size_t checked = 0;
    for (int round = 0; round < 5000; ++round) {
        Entries entries;
        for (const HotkeyEntry& entry : testing::RandomEntries(random, 8)) {
            if (reference::IsRoundTripSafe(entry)) entries.push_back(entry);
        }
        checked += entries.size();
        ASSERT_EQ(ParseEnvText(ComposeEnvText(entries)), entries);
    }
    EXPECT_GT(checked, 5000u);  // the generator must not make hazards only
}

TEST(RoundTrip, HazardsAreRealAndTheSafeCheckKnowsThem) {
    const Entries hazards = {{"", "F6 x"},    {"'a", "b' c"}, {"F 2", "x"},
                             {"F2 ", "x"},    {"F2", " x"},   {"F2\xB0", "x"},
                             {"F2", "x\xB0"}, {"F2", "a\nb"}, {"###", "User Preferences section"}};
    for (const HotkeyEntry& entry : hazards) {
        EXPECT_FALSE(reference::IsRoundTripSafe(entry)) << entry.key;
        EXPECT_NE(ParseEnvText(ComposeEnvText({entry, {"F9", "y"}})), (Entries{entry, {"F9", "y"}}))
            << entry.key;
    }
}

TEST(RoundTrip, ParsedEntriesOfGeneratedTextsAreStableWhenSafe) {
    std::mt19937 random(33);
    for (int round = 0; round < 5000; ++round) {
        const std::string text =
            testing::RandomText(random, 20) + "\r\n### User Preferences section";
        Entries entries;
        for (const HotkeyEntry& entry : ParseEnvText(text)) {
            if (reference::IsRoundTripSafe(entry)) entries.push_back(entry);
        }
        ASSERT_EQ(ParseEnvText(ComposeEnvText(entries)), entries) << text;
    }
}

}  // namespace
}  // namespace keyloom
