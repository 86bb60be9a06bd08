// The content box's lines: hard lines, wrapping, the caret's positions, and
// a change laid out in place giving the same lines as the whole text laid
// out anew.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/memo/memo_layout.h"

namespace keyloom {
namespace {

// 6 pixels a byte, 12 a two-byte character; tab stops every 48 pixels.
CharWidths TestWidths() {
    return CharWidths([](std::string_view c) { return c.size() == 2 ? 12 : 6; }, 48);
}

// Ten single-byte characters to a line.
MemoLayout LaidOut(const std::string& text, int width = 60) {
    MemoLayout layout;
    layout.SetFormat(width, TestWidths());
    layout.SetText(text);
    return layout;
}

std::vector<std::string> Shown(const MemoLayout& layout) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < layout.LineCount(); ++i) {
        const MemoLine& line = layout.Line(i);
        lines.push_back(layout.Text().substr(line.start, line.length));
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(MemoLayoutTest, HardLinesEndAtLfWithOrWithoutCr) {
    EXPECT_EQ(Shown(LaidOut("ab\r\ncd\nef\rgh")), (Lines{"ab", "cd", "ef\rgh"}));
    // A text ending in a line end ends with an empty line; so does an empty text.
    EXPECT_EQ(Shown(LaidOut("ab\r\n")), (Lines{"ab", ""}));
    EXPECT_EQ(Shown(LaidOut("")), (Lines{""}));
    EXPECT_EQ(Shown(LaidOut("\r\n\n")), (Lines{"", "", ""}));
    const MemoLayout layout = LaidOut("ab\r\ncd\n");
    EXPECT_EQ(layout.Line(0).endLength, 2);
    EXPECT_EQ(layout.Line(1).endLength, 1);
    EXPECT_EQ(layout.Line(2).endLength, 0);
}

TEST(MemoLayoutTest, LongLinesWrapBeforeAWordOrBetweenChineseCharacters) {
    EXPECT_EQ(Shown(LaidOut("alias F2 zoom fit")), (Lines{"alias F2 ", "zoom fit"}));
    // A word wider than the box is cut; spaces run past the edge.
    EXPECT_EQ(Shown(LaidOut("abcdefghijklmno")), (Lines{"abcdefghij", "klmno"}));
    EXPECT_EQ(Shown(LaidOut("abcdefghij     x")), (Lines{"abcdefghij     ", "x"}));
    // 放大缩小放大 (six characters, 12 pixels each) and a word after them.
    const std::string chinese = "\xB7\xC5\xB4\xF3\xCB\xF5\xD0\xA1\xB7\xC5\xB4\xF3";
    EXPECT_EQ(Shown(LaidOut(chinese)), (Lines{chinese.substr(0, 10), chinese.substr(10)}));
    EXPECT_EQ(Shown(LaidOut("ab" + chinese.substr(0, 8) + "cd")),
              (Lines{"ab" + chinese.substr(0, 8), "cd"}));
    // Tabs go to the next stop, 48 pixels.
    EXPECT_EQ(Shown(LaidOut("a\tbc de")), (Lines{"a\tbc ", "de"}));
    EXPECT_EQ(Shown(LaidOut("a\tbcd efg")), (Lines{"a\t", "bcd efg"}));
    // No width yet: nothing wraps.
    MemoLayout unformatted;
    unformatted.SetText(std::string(5000, 'x'));
    EXPECT_EQ(unformatted.LineCount(), 1u);
}

TEST(MemoLayoutTest, TheCaretNeverStopsInsideACharacterOrALineEnd) {
    // "a", 放, CR LF, "b", a lone CR, and a lead byte before LF (one
    // character by the text rules).
    const MemoLayout layout = LaidOut("a\xB7\xC5\r\nb\r\x81\nc");
    std::vector<std::size_t> forward = {0};
    while (forward.back() < layout.Size()) forward.push_back(layout.NextPos(forward.back()));
    EXPECT_EQ(forward, (std::vector<std::size_t>{0, 1, 3, 5, 6, 7, 9, 10}));
    for (std::size_t i = forward.size() - 1; i > 0; --i) {
        EXPECT_EQ(layout.PreviousPos(forward[i]), forward[i - 1]);
    }
    EXPECT_EQ(layout.SnapPos(2), 1u);
    EXPECT_EQ(layout.SnapPos(4), 3u);
    EXPECT_EQ(layout.SnapPos(8), 7u);
    EXPECT_EQ(layout.SnapPos(99), layout.Size());
}

TEST(MemoLayoutTest, PlacesOnTheScreenAndBack) {
    const MemoLayout layout = LaidOut("alias F2 zoom fit\r\nx");
    ASSERT_EQ(layout.LineCount(), 3u);
    // The end of a line that wraps is the next line's start.
    EXPECT_EQ(layout.LineOf(9), 1u);
    EXPECT_EQ(layout.LineOf(9, true), 0u);
    EXPECT_EQ(layout.LineOf(19), 2u);
    EXPECT_EQ(layout.XOf(1, 13), 24);
    bool afterWrap = true;
    EXPECT_EQ(layout.PosAt(1, 26, &afterWrap), 13u);
    EXPECT_FALSE(afterWrap);
    EXPECT_EQ(layout.PosAt(1, 28, &afterWrap), 14u);
    EXPECT_EQ(layout.PosAt(0, 500, &afterWrap), 9u);
    EXPECT_TRUE(afterWrap);
    EXPECT_EQ(layout.PosAt(1, 500, &afterWrap), 17u);
    EXPECT_FALSE(afterWrap);
}

TEST(MemoLayoutTest, WordsForCtrlArrowsAndDoubleClicks) {
    const MemoLayout layout = LaidOut("set  x\r\n\xB7\xC5\xB4\xF3 y");
    EXPECT_EQ(layout.WordRight(0), 5u);
    EXPECT_EQ(layout.WordRight(5), 6u);  // the line end
    EXPECT_EQ(layout.WordRight(6), 8u);
    EXPECT_EQ(layout.WordRight(8), 10u);  // one Chinese character
    EXPECT_EQ(layout.WordLeft(14), 13u);
    EXPECT_EQ(layout.WordLeft(13), 10u);
    EXPECT_EQ(layout.WordLeft(10), 8u);
    EXPECT_EQ(layout.WordLeft(8), 6u);
    EXPECT_EQ(layout.WordLeft(5), 0u);
    std::size_t begin = 0;
    std::size_t end = 0;
    layout.WordAround(1, &begin, &end);
    EXPECT_EQ(begin, 0u);
    EXPECT_EQ(end, 3u);
    layout.WordAround(6, &begin, &end);  // at the line end: the word before it
    EXPECT_EQ(begin, 5u);
    EXPECT_EQ(end, 6u);
}

// Texts made of the bytes that matter to the layout.
std::string RandomText(std::mt19937& random, std::size_t length) {
    static const std::string pieces[] = {"a",        "b",    " ",       "\t", "\r\n",
                                         "\n",       "\r",   "wordy",   "  ", "\xB7\xC5",
                                         "\xD5\xC5", "\x81", "\xA1\xA1"};
    std::string text;
    while (text.size() < length) text += pieces[random() % std::size(pieces)];
    return text;
}

TEST(MemoLayoutTest, AChangeLaidOutInPlaceGivesTheLinesOfTheWholeNewText) {
    std::mt19937 random(17);
    for (int round = 0; round < 400; ++round) {
        MemoLayout layout = LaidOut(RandomText(random, random() % 120), 20 + round % 50);
        for (int edit = 0; edit < 8; ++edit) {
            const std::size_t from = layout.SnapPos(random() % (layout.Size() + 1));
            const std::size_t to = layout.SnapPos(from + random() % 12);
            layout.Replace(from, to, RandomText(random, random() % 6));
            const MemoLayout fresh = LaidOut(layout.Text(), 20 + round % 50);
            ASSERT_EQ(layout.LineCount(), fresh.LineCount()) << round;
            for (std::size_t i = 0; i < fresh.LineCount(); ++i) {
                ASSERT_EQ(layout.Line(i).start, fresh.Line(i).start) << round << " " << i;
                ASSERT_EQ(layout.Line(i).length, fresh.Line(i).length) << round << " " << i;
                ASSERT_EQ(layout.Line(i).endLength, fresh.Line(i).endLength) << round << " " << i;
            }
        }
    }
}

TEST(MemoLayoutTest, LinesCoverTheTextInOrder) {
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        const MemoLayout layout = LaidOut(RandomText(random, 300), 30);
        std::string joined;
        for (std::size_t i = 0; i < layout.LineCount(); ++i) {
            const MemoLine& line = layout.Line(i);
            ASSERT_EQ(line.start, joined.size());
            joined += layout.Text().substr(line.start, line.length + line.endLength);
            // Only a single character, or spaces at its end, make a line wider.
            std::size_t end = line.End();
            while (end > line.start &&
                   (layout.Text()[end - 1] == ' ' || layout.Text()[end - 1] == '\t')) {
                --end;
            }
            if (end > layout.PreviousPos(end) && layout.PreviousPos(end) > line.start) {
                EXPECT_LE(layout.XOf(i, end), 30);
            }
        }
        EXPECT_EQ(joined, layout.Text());
    }
}

}  // namespace
}  // namespace keyloom

namespace keyloom {
namespace {

TEST(MemoLayoutTest, ALineFarPastTheEdgeIsCountedOnlyUpToIt) {
    // Spaces never wrap: a million of them stay one line, and the word after
    // them wraps to a line of its own.
    const std::string spaces(1000000, ' ');
    const MemoLayout layout = LaidOut("ab" + spaces + "\xB7\xC5x\r\ncd");
    EXPECT_EQ(Shown(layout), (std::vector<std::string>{"ab" + spaces, "\xB7\xC5x", "cd"}));
    std::vector<int> advances;
    // Only the characters that begin before x = 60 (the box's width).
    const std::size_t shown = layout.Advances(0, 60, &advances);
    EXPECT_EQ(advances.size(), shown);
    EXPECT_LT(shown, 100u);
    int x = 0;
    for (int advance : advances) x += advance;
    EXPECT_GE(x, 60);
    // Without a limit, the whole line; with one, counting stops at it.
    EXPECT_EQ(layout.XOf(0, 1000002), 12 + 6 * 1000000);
    const int limited = layout.XOf(0, 1000002, 60);
    EXPECT_GE(limited, 60);
    EXPECT_LT(limited, 80);
    // A two-byte character's second byte moves the pen by nothing.
    EXPECT_EQ(layout.Advances(1, MemoLayout::kNoLimit, &advances), 3u);
    EXPECT_EQ(advances[1], 0);
}

}  // namespace
}  // namespace keyloom
