// The text of the multi-line content box and the lines it shows. A hard line
// ends at LF, with or without a CR before it (a lone CR is an ordinary
// byte); a hard line wider than the box wraps before a word, or between two
// characters of Chinese text, and a word wider than the box is cut. Spaces
// never wrap: they may run past the right edge. The widths come from the
// box's font, asked once for each character; the rest is counted here, so
// laying out megabytes takes a few milliseconds and a long line costs no
// more than short ones of the same bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// The pixel widths of the characters in the box's font.
class CharWidths {
public:
    // The width of one character of one or two bytes.
    using Measure = std::function<int(std::string_view character)>;

    CharWidths();
    // tabStop: the distance between tab stops, in pixels (at least 1).
    CharWidths(Measure measure, int tabStop);

    // The width of the character of `length` bytes that begins at pos.
    int Of(std::string_view text, std::size_t pos, std::size_t length) const {
        if (length == 1) {
            const std::int32_t known = singles_[static_cast<unsigned char>(text[pos])];
            if (known >= 0) return known;
        }
        return Measured(text, pos, length);
    }
    int TabStop() const { return tabStop_; }

private:
    // The width from what was asked before, else from measure.
    int Measured(std::string_view text, std::size_t pos, std::size_t length) const;

    Measure measure_;
    int tabStop_ = 1;
    // Widths asked for so far; -1 where not yet asked.
    mutable std::array<std::int32_t, 256> singles_;
    mutable std::vector<std::int32_t> pairs_;
};

// One line on the screen: the bytes it shows, then the line end that ends
// its hard line (none where it wraps and on the last line).
struct MemoLine {
    std::size_t start;
    std::uint32_t length;
    std::uint8_t endLength;  // 0, 1 (LF) or 2 (CR LF)

    std::size_t End() const { return start + length; }
};

class MemoLayout {
public:
    MemoLayout();

    // New text, laid out at the current width.
    void SetText(std::string text);
    // A new width (pixels) or font: every line is laid out again.
    void SetFormat(int width, CharWidths widths);
    // Replaces the bytes [from, to) (positions, see SnapPos) and lays out
    // again only the hard lines the change touches.
    void Replace(std::size_t from, std::size_t to, std::string_view bytes);

    const std::string& Text() const { return text_; }
    std::size_t Size() const { return text_.size(); }
    // At least one line; a text that ends with a line end ends with an
    // empty line, where the caret can go.
    std::size_t LineCount() const { return lines_.size(); }
    const MemoLine& Line(std::size_t index) const { return lines_[index]; }
    // Whether the line wraps into the next one.
    bool Wraps(std::size_t index) const;

    // The line that shows pos. Where a line wraps, its end and the next
    // line's start are the same position: afterWrap chooses the first.
    std::size_t LineOf(std::size_t pos, bool afterWrap = false) const;
    // The distance in pixels from the start of the line to pos on it. With
    // a limit, the counting stops at the first character that reaches it:
    // where pos lies beyond, the result is at least limit, and the cost is
    // that of the part of the line before limit, however long the line.
    int XOf(std::size_t line, std::size_t pos, int limit = kNoLimit) const;
    // How far each byte of the line moves the pen, for drawing it: a
    // character's width goes to its first byte, 0 to its second; a tab
    // reaches the next tab stop. Only for the characters that begin before
    // x = limit, the part a box of that width shows: the result is the
    // number of bytes they take.
    std::size_t Advances(std::size_t line, int limit, std::vector<int>* advances) const;
    static constexpr int kNoLimit = 0x7FFFFFFF;
    // The position on the line nearest to x; *afterWrap tells whether it is
    // the end of a line that wraps.
    std::size_t PosAt(std::size_t line, int x, bool* afterWrap) const;

    // Positions are the places the caret can take: the start of a
    // character, never between a CR and its LF.
    std::size_t SnapPos(std::size_t pos) const;
    std::size_t NextPos(std::size_t pos) const;
    std::size_t PreviousPos(std::size_t pos) const;
    // The start of the next word (past the spaces after this one), and the
    // start of this or the previous word; a line end is a word of its own.
    std::size_t WordRight(std::size_t pos) const;
    std::size_t WordLeft(std::size_t pos) const;
    // The word, run of spaces or character around pos, as a double click
    // selects it.
    void WordAround(std::size_t pos, std::size_t* begin, std::size_t* end) const;

private:
    // Lays out the hard line that begins at pos and returns where the next
    // one begins; past the last one, Size() + 1.
    std::size_t LayOutHardLine(std::size_t pos, std::vector<MemoLine>* out) const;
    // Where the hard line that line `index` belongs to begins, as a line.
    std::size_t HardLineFirst(std::size_t index) const;
    std::size_t HardLineLast(std::size_t index) const;
    // Where the hard line after line `index` begins; size + 1 past the end
    // (the size the lines were laid out for).
    std::size_t NextHardLineStart(std::size_t index, std::size_t size) const;
    // x after the `length` bytes at pos, starting from x (tabs go to the
    // next tab stop); counting stops once x reaches limit.
    int Advance(std::size_t pos, std::size_t length, int x, int limit = kNoLimit) const;
    // A line end, or the end of the text, begins at pos.
    bool IsLineEndAt(std::size_t pos) const;
    // What words are made of: a two-byte character is a word of its own.
    enum class CharClass { LineEnd, Space, Double, Word };
    CharClass ClassAt(std::size_t pos) const;

    std::string text_;
    int width_ = 0;
    CharWidths widths_;
    std::vector<MemoLine> lines_;
};

}  // namespace keyloom
