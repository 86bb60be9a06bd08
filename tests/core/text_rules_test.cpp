// The shared text rules: stepping by characters, search, removal, split,
// trim and the count caption, checked on the bytes that can break them and
// against the plain reference on generated texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "core/count_caption.h"
#include "core/env_text.h"
#include "core/text_rules.h"
#include "tests/core/reference_env_text.h"
#include "tests/core/text_generator.h"

namespace keyloom {
namespace {

using namespace std::string_view_literals;
constexpr auto npos = std::string_view::npos;

TEST(CharacterStepping, HighByteWithNonZeroNextIsTwoByteCharacter) {
    EXPECT_EQ(CharLengthAt("\xB0\x20", 0), 2u);
    EXPECT_EQ(CharLengthAt("\xB0\x0D\x0A", 0), 2u);
    EXPECT_EQ(CharLengthAt("a\xB0", 1), 1u);  // lone lead at the end
    EXPECT_EQ(CharLengthAt("\xB0\0x"sv, 0), 1u);
    EXPECT_EQ(CharLengthAt("ab", 0), 1u);
}

TEST(FindAtCharStart, NeverMatchesAtASecondByte) {
    // 0x81 followed by '#', ' ', CR or '\' is one character.
    EXPECT_EQ(FindAtCharStart("\x81###", "##"), 2u);
    EXPECT_EQ(FindAtCharStart("\x81 x y", " "), 3u);
    EXPECT_EQ(FindAtCharStart("\x81\r\nz\r\n", "\r\n"), 4u);
    EXPECT_EQ(FindAtCharStart("\x81\\", "\\"), npos);
    EXPECT_EQ(FindAtCharStart("\xB0\xB0\x81 ", " "), npos);
    EXPECT_EQ(FindAtCharStart("\xB0\xB0\xB0 ", " "), npos);
    EXPECT_EQ(FindAtCharStart("\xB0\xB0 ", " "), 2u);
}

TEST(FindAtCharStart, StartsAtFromAndFindsTheFirst) {
    EXPECT_EQ(FindAtCharStart("a b c", " ", 2), 3u);
    EXPECT_EQ(FindAtCharStart("abc", "abc"), 0u);
    EXPECT_EQ(FindAtCharStart("ab", "abc"), npos);
    EXPECT_EQ(FindAtCharStart("x source $TELENV", "source $TELENV"), 2u);
    EXPECT_EQ(FindAtCharStart("\xB0source $TELENV", "source $TELENV"), npos);
}

TEST(TrimSpaces, RemovesHalfAndFullWidthSpacesOnly) {
    EXPECT_EQ(TrimSpacesView("  a b  "), "a b");
    EXPECT_EQ(TrimSpacesView("\xA1\xA1 a\xA1\xA1 "), "a");
    EXPECT_EQ(TrimSpacesView("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimSpacesView("\r\na\r\n"), "\r\na\r\n");
    EXPECT_EQ(TrimSpacesView("   "), "");
    EXPECT_EQ(TrimSpacesView(""), "");
}

TEST(TrimSpaces, StepsByCharacters) {
    // B0 20 and 81 A1 are characters, not spaces; A1 A1 A1 is a full-width
    // space and a lone lead.
    EXPECT_EQ(TrimSpacesView("a\xB0 "), "a\xB0 ");
    EXPECT_EQ(TrimSpacesView("a\x81\xA1\xA1"), "a\x81\xA1");
    EXPECT_EQ(TrimSpacesView("a\xA1\xA1\xA1"), "a");
    EXPECT_EQ(TrimSpacesView("\xA1 a"), "\xA1 a");
}

TEST(TrimSpaces, DropsALoneLeadByteAtTheEnd) {
    EXPECT_EQ(TrimSpacesView("ab\xB0"), "ab");
    EXPECT_EQ(TrimSpacesView("ab \xB0"), "ab");
    EXPECT_EQ(TrimSpacesView("\xD6\xD0\xB0"), "\xD6\xD0");
    EXPECT_EQ(TrimSpacesView("\xB0"), "");
    EXPECT_EQ(TrimTrailingSpacesView(" a \xB0"), " a");
}

// Every rule against the reference on generated texts, which mix the bytes
// above with spaces, line ends, the marker and "source $TELENV".
TEST(TextRules, AgreeWithTheReferenceOnGeneratedTexts) {
    std::mt19937 random(11);
    for (int round = 0; round < 10000; ++round) {
        const std::string text = testing::RandomText(random, 1 + round % 16);
        const std::vector<std::size_t> starts = reference::CharStarts(text);
        for (std::size_t pos = 0; pos < text.size(); ++pos) {
            const bool expected = std::find(starts.begin(), starts.end(), pos) != starts.end();
            ASSERT_EQ(IsCharStart(text, pos), expected) << "at " << pos << " in " << text;
        }
        for (std::string_view needle : {" "sv, "\r\n"sv, "source $TELENV"sv, "###"sv, "\\"sv,
                                        "### User Preferences section"sv}) {
            ASSERT_EQ(FindAtCharStart(text, needle), reference::Find(text, needle)) << text;
        }
        ASSERT_EQ(TrimSpacesView(text), reference::Trim(text)) << text;
        ASSERT_EQ(TrimTrailingSpacesView(text), reference::TrimTrailing(text)) << text;
    }
}

TEST(CountCaption, DecimalDigitsFollowedByTheCounterWord) {
    EXPECT_EQ(CountCaption(0), "0\xB8\xF6");
    EXPECT_EQ(CountCaption(12), "12\xB8\xF6");
    EXPECT_EQ(CountCaption(1000000), "1000000\xB8\xF6");
}

}  // namespace
}  // namespace keyloom
