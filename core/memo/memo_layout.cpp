#include "core/memo/memo_layout.h"

#include <algorithm>

#include "core/text_lines.h"
#include "core/text_rules.h"

namespace keyloom {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

}  // namespace

CharWidths::CharWidths() {
    singles_.fill(-1);
}

CharWidths::CharWidths(Measure measure, int tabStop)
    : measure_(std::move(measure)), tabStop_(std::max(1, tabStop)) {
    singles_.fill(-1);
}

int CharWidths::Measured(std::string_view text, std::size_t pos, std::size_t length) const {
    if (!measure_) return 1;
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::int32_t* known = &singles_[lead];
    if (length == 2) {
        if (pairs_.empty()) pairs_.assign(1 << 16, -1);
        known = &pairs_[(lead << 8) | static_cast<unsigned char>(text[pos + 1])];
    }
    if (*known < 0) *known = std::max(0, measure_(text.substr(pos, length)));
    return *known;
}

MemoLayout::MemoLayout() {
    SetText(std::string());
}

void MemoLayout::SetText(std::string text) {
    text_ = std::move(text);
    lines_.clear();
    for (std::size_t pos = 0; pos <= text_.size();) pos = LayOutHardLine(pos, &lines_);
}

void MemoLayout::SetFormat(int width, CharWidths widths) {
    width_ = width;
    widths_ = std::move(widths);
    SetText(std::move(text_));
}

void MemoLayout::Replace(std::size_t from, std::size_t to, std::string_view bytes) {
    from = std::min(from, text_.size());
    to = std::clamp(to, from, text_.size());
    const std::size_t first = HardLineFirst(LineOf(from));
    std::size_t last = HardLineLast(LineOf(to));
    const std::size_t oldSize = text_.size();
    std::size_t oldNext = NextHardLineStart(last, oldSize);
    // Sizes are unsigned: adding delta moves a place by the change, either way.
    const std::size_t delta = bytes.size() - (to - from);
    text_.replace(from, to - from, bytes);
    std::vector<MemoLine> fresh;
    std::size_t pos = LayOutHardLine(lines_[first].start, &fresh);
    // Lay out until the new lines meet a hard line the change left alone: a
    // line end typed adds hard lines, one deleted (or a lead byte put before
    // it) joins the next ones.
    while (pos != oldNext + delta) {
        if (pos < oldNext + delta) {
            pos = LayOutHardLine(pos, &fresh);
        } else {
            last = HardLineLast(last + 1);
            oldNext = NextHardLineStart(last, oldSize);
        }
    }
    const auto begin = lines_.begin() + static_cast<std::ptrdiff_t>(first);
    lines_.erase(begin, begin + static_cast<std::ptrdiff_t>(last + 1 - first));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(first), fresh.begin(), fresh.end());
    for (std::size_t i = first + fresh.size(); i < lines_.size(); ++i) lines_[i].start += delta;
}

bool MemoLayout::Wraps(std::size_t index) const {
    return lines_[index].endLength == 0 && index + 1 < lines_.size();
}

std::size_t MemoLayout::LineOf(std::size_t pos, bool afterWrap) const {
    const auto after =
        std::upper_bound(lines_.begin(), lines_.end(), pos,
                         [](std::size_t p, const MemoLine& l) { return p < l.start; });
    std::size_t index = static_cast<std::size_t>(after - lines_.begin());
    index = index == 0 ? 0 : index - 1;
    if (afterWrap && index > 0 && lines_[index].start == pos && Wraps(index - 1)) --index;
    return index;
}

int MemoLayout::XOf(std::size_t line, std::size_t pos, int limit) const {
    const MemoLine& l = lines_[line];
    pos = std::clamp(pos, l.start, l.End());
    return Advance(l.start, pos - l.start, 0, limit);
}

std::size_t MemoLayout::Advances(std::size_t line, int limit, std::vector<int>* advances) const {
    const MemoLine& l = lines_[line];
    advances->clear();
    int x = 0;
    std::size_t pos = l.start;
    while (pos < l.End() && x < limit) {
        const std::size_t length = std::min(CharLengthAt(text_, pos), l.End() - pos);
        const int next = Advance(pos, length, x);
        advances->push_back(next - x);
        if (length == 2) advances->push_back(0);
        x = next;
        pos += length;
    }
    return pos - l.start;
}

std::size_t MemoLayout::PosAt(std::size_t line, int x, bool* afterWrap) const {
    const MemoLine& l = lines_[line];
    *afterWrap = false;
    int at = 0;
    for (std::size_t pos = l.start; pos < l.End();) {
        const std::size_t length = std::min(CharLengthAt(text_, pos), l.End() - pos);
        const int width = Advance(pos, length, at) - at;
        // The nearer edge of the character the point falls on.
        if (x < at + (width + 1) / 2) return pos;
        at += width;
        pos += length;
    }
    *afterWrap = Wraps(line);
    return l.End();
}

std::size_t MemoLayout::SnapPos(std::size_t pos) const {
    pos = std::min(pos, text_.size());
    const MemoLine& l = lines_[LineOf(pos)];
    if (l.endLength == 2 && pos == l.End() + 1) return l.End();
    if (!IsCharStart(text_, pos, l.start)) --pos;
    return pos;
}

std::size_t MemoLayout::NextPos(std::size_t pos) const {
    if (pos >= text_.size()) return text_.size();
    const MemoLine& l = lines_[LineOf(pos)];
    if (pos == l.End() && l.endLength > 0) return pos + l.endLength;
    return pos + CharLengthAt(text_, pos);
}

std::size_t MemoLayout::PreviousPos(std::size_t pos) const {
    if (pos == 0) return 0;
    std::size_t line = LineOf(pos);
    if (pos == lines_[line].start && line > 0) {
        --line;
        if (lines_[line].endLength > 0) return lines_[line].End();
    }
    std::size_t previous = pos - 1;
    if (!IsCharStart(text_, previous, lines_[line].start)) --previous;
    return previous;
}

bool MemoLayout::IsLineEndAt(std::size_t pos) const {
    if (pos >= text_.size()) return true;
    const MemoLine& l = lines_[LineOf(pos)];
    return pos == l.End() && l.endLength > 0;
}

MemoLayout::CharClass MemoLayout::ClassAt(std::size_t pos) const {
    if (IsLineEndAt(pos)) return CharClass::LineEnd;
    if (CharLengthAt(text_, pos) == 2) return CharClass::Double;
    return text_[pos] == ' ' || text_[pos] == '\t' ? CharClass::Space : CharClass::Word;
}

std::size_t MemoLayout::WordRight(std::size_t pos) const {
    if (pos >= text_.size()) return text_.size();
    const CharClass first = ClassAt(pos);
    if (first == CharClass::LineEnd) return NextPos(pos);
    if (first == CharClass::Word) {
        while (pos < text_.size() && ClassAt(pos) == CharClass::Word) pos = NextPos(pos);
    } else if (first == CharClass::Double) {
        pos = NextPos(pos);
    }
    while (pos < text_.size() && ClassAt(pos) == CharClass::Space) pos = NextPos(pos);
    return pos;
}

std::size_t MemoLayout::WordLeft(std::size_t pos) const {
    if (pos == 0) return 0;
    std::size_t p = PreviousPos(pos);
    if (ClassAt(p) == CharClass::LineEnd) return p;
    while (p > 0 && ClassAt(p) == CharClass::Space) {
        const std::size_t q = PreviousPos(p);
        if (ClassAt(q) == CharClass::LineEnd) return p;
        p = q;
    }
    if (ClassAt(p) != CharClass::Word) return p;
    while (p > 0 && ClassAt(PreviousPos(p)) == CharClass::Word) p = PreviousPos(p);
    return p;
}

void MemoLayout::WordAround(std::size_t pos, std::size_t* begin, std::size_t* end) const {
    pos = SnapPos(pos);
    // At a line end the word before it is meant.
    if (ClassAt(pos) == CharClass::LineEnd && pos > 0 &&
        ClassAt(PreviousPos(pos)) != CharClass::LineEnd) {
        pos = PreviousPos(pos);
    }
    const CharClass kind = ClassAt(pos);
    *begin = pos;
    *end = kind == CharClass::LineEnd ? pos : NextPos(pos);
    if (kind == CharClass::LineEnd || kind == CharClass::Double) return;
    while (*begin > 0 && ClassAt(PreviousPos(*begin)) == kind) *begin = PreviousPos(*begin);
    while (*end < text_.size() && ClassAt(*end) == kind) *end = NextPos(*end);
}

std::size_t MemoLayout::LayOutHardLine(std::size_t pos, std::vector<MemoLine>* out) const {
    if (pos >= text_.size()) {
        out->push_back({text_.size(), 0, 0});
        return text_.size() + 1;
    }
    const LineSpan span = LineAt(text_, pos);
    const std::size_t end = span.begin + span.length;
    std::size_t lineStart = pos;
    if (width_ > 0) {
        const char* const data = text_.data();
        int x = 0;
        std::size_t lastBreak = kNone;
        bool previousSpace = false;
        bool previousDouble = false;
        // Ends the line at the last place it may wrap, else right before the
        // character at `at`, which is then looked at again on the new line.
        auto wrapBefore = [&](std::size_t at) {
            const std::size_t cut = lastBreak != kNone ? lastBreak : at;
            out->push_back({lineStart, static_cast<std::uint32_t>(cut - lineStart), 0});
            lineStart = cut;
            lastBreak = kNone;
            x = Advance(cut, at - cut, 0);
        };
        for (std::size_t at = pos; at < end;) {
            const char c = data[at];
            // Most characters: one byte, neither a space nor a tab.
            if (c > ' ' && !IsHighByte(c)) {
                if (previousSpace || previousDouble) {
                    if (at > lineStart) lastBreak = at;
                    previousSpace = previousDouble = false;
                }
                const int width = widths_.Of(text_, at, 1);
                if (at > lineStart && x + width > width_) {
                    wrapBefore(at);
                    continue;
                }
                x += width;
                ++at;
                continue;
            }
            const bool space = c == ' ' || c == '\t';
            if (space && x > width_) {
                // Past the right edge nothing more fits on this line, and
                // spaces never wrap: the run goes on to the next character
                // without being counted, which that one's wrap needs not.
                while (at < end && (data[at] == ' ' || data[at] == '\t')) ++at;
                previousSpace = true;
                previousDouble = false;
                continue;
            }
            const std::size_t length =
                IsHighByte(c) && at + 1 < end && data[at + 1] != '\0' ? 2 : 1;
            const bool isDouble = length == 2;
            // A line may wrap before a word, and before or after a
            // character of Chinese text.
            if (at > lineStart && (isDouble || previousDouble || (previousSpace && !space))) {
                lastBreak = at;
            }
            const int width = c == '\t' ? widths_.TabStop() - x % widths_.TabStop()
                                        : widths_.Of(text_, at, length);
            if (!space && at > lineStart && x + width > width_) {
                wrapBefore(at);
                continue;
            }
            x += width;
            previousSpace = space;
            previousDouble = isDouble;
            at += length;
        }
    }
    out->push_back({lineStart, static_cast<std::uint32_t>(end - lineStart),
                    static_cast<std::uint8_t>(span.endLength)});
    return span.endLength > 0 ? span.End() : text_.size() + 1;
}

std::size_t MemoLayout::HardLineFirst(std::size_t index) const {
    while (index > 0 && lines_[index - 1].endLength == 0) --index;
    return index;
}

std::size_t MemoLayout::HardLineLast(std::size_t index) const {
    while (index + 1 < lines_.size() && lines_[index].endLength == 0) ++index;
    return index;
}

std::size_t MemoLayout::NextHardLineStart(std::size_t index, std::size_t size) const {
    const MemoLine& l = lines_[index];
    return l.endLength > 0 ? l.End() + l.endLength : size + 1;
}

int MemoLayout::Advance(std::size_t pos, std::size_t length, int x, int limit) const {
    for (const std::size_t end = pos + length; pos < end && x < limit;) {
        const std::size_t n = std::min(CharLengthAt(text_, pos), end - pos);
        if (n == 1 && text_[pos] == '\t') {
            x += widths_.TabStop() - x % widths_.TabStop();
        } else {
            x += widths_.Of(text_, pos, n);
        }
        pos += n;
    }
    return x;
}

}  // namespace keyloom
