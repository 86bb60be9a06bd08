#include "core/line_sequence.h"

#include <cstring>

#include "core/env_layout.h"
#include "core/env_text.h"
#include "core/text_rules.h"

namespace keyloom {

std::vector<TextLine> SplitEnvLines(std::string_view text) {
    std::vector<TextLine> lines;
    const std::size_t headLength = HeadLength(text);
    lines.reserve(text.size() / 24 + 1);
    ForEachEnvLine(text, headLength, [&](const LineSpan& span) {
        lines.push_back({span.begin, span.length, span.endLength, span.begin == headLength});
    });
    return lines;
}

LineSequence ReadLines(LineStore& store, std::string text) {
    const std::string_view kept = store.KeepText(std::move(text));
    LineSequence lines;
    const std::vector<TextLine> split = SplitEnvLines(kept);
    lines.reserve(split.size());
    for (const TextLine& line : split) {
        lines.push_back(store.AddKeptLine(kept.substr(line.begin, line.length), line.endLength,
                                          {line.marker, false}));
    }
    return lines;
}

std::string ComposeLines(const LineStoreView& store, const LineSequence& lines) {
    std::size_t size = 0;
    for (LineId id : lines) size += store[id].WithEnd().size();
    std::string text;
    text.resize(size);
    char* out = text.data();
    for (LineId id : lines) {
        const std::string_view bytes = store[id].WithEnd();
        if (!bytes.empty()) std::memcpy(out, bytes.data(), bytes.size());
        out += bytes.size();
    }
    return text;
}

bool ComposesTo(const LineStoreView& store, const LineSequence& lines, std::string_view text) {
    std::size_t pos = 0;
    for (LineId id : lines) {
        const std::string_view bytes = store[id].WithEnd();
        if (text.size() - pos < bytes.size() ||
            std::memcmp(text.data() + pos, bytes.data(), bytes.size()) != 0) {
            return false;
        }
        pos += bytes.size();
    }
    return pos == text.size();
}

std::vector<LineId> HotkeyLinesOf(const LineStore& store, const LineSequence& lines) {
    std::vector<LineId> hotkeys;
    for (LineId id : lines) {
        if (store[id].hotkey) hotkeys.push_back(id);
    }
    return hotkeys;
}

LineId InsertionAnchor(const LineStore& store, const LineSequence& lines) {
    std::size_t tail = 0;
    while (tail < lines.size() && !store[lines[tail]].marker) ++tail;
    auto lineAt = [&](std::size_t i) { return i < lines.size() ? lines[i] : kNoLineId; };
    for (std::size_t i = tail; i > 0; --i) {
        if (store[lines[i - 1]].hotkey) return lineAt(i);
    }
    if (tail > 0 && store[lines[tail - 1]].length == 0) return lines[tail - 1];
    return lineAt(tail);
}

std::string_view NewLineEnd(const LineStore& store, const LineSequence& lines) {
    for (LineId id : lines) {
        const LineRecord& line = store[id];
        if (line.endLength == 1) return "\n";
        if (line.endLength == 2) return "\r\n";
        // Only the last line lacks a line end: the file has none.
    }
    return "\r\n";
}

std::string_view EndingFor(const LineRecord& line, std::string_view lineEnd) {
    const std::string_view content = line.Content();
    if (!content.empty() && content.back() == '\r' && IsCharStart(content, content.size() - 1)) {
        return "\r\n";
    }
    return lineEnd;
}

LineId AddHotkeyLine(LineStore& store, HotkeyVerb verb, std::string_view key,
                     std::string_view command, std::string_view lineEnd) {
    std::string content(VerbWord(verb));
    content.append(1, ' ').append(TrimTrailingSpacesView(key));
    content.append(1, ' ').append(TrimTrailingSpacesView(command));
    return store.AddLine(content, lineEnd);
}

LineSequence LayoutLines(LineStore& store) {
    LineSequence lines;
    const std::string text = ComposeEnvText({});
    for (const TextLine& line : SplitEnvLines(text)) {
        const std::string_view all = text;
        lines.push_back(store.AddLine(all.substr(line.begin, line.length),
                                      all.substr(line.begin + line.length, line.endLength),
                                      {line.marker, true}));
    }
    return lines;
}

}  // namespace keyloom
