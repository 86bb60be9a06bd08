#include "tests/core/reference_env_text.h"

#include "core/env_layout.h"

namespace keyloom::reference {
namespace {

struct Char {
    std::size_t start;
    std::size_t length;
};

std::vector<Char> Chars(std::string_view text) {
    std::vector<Char> chars;
    std::size_t i = 0;
    while (i < text.size()) {
        const bool lead = static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size() &&
                          text[i + 1] != '\0';
        chars.push_back({i, lead ? 2u : 1u});
        i += lead ? 2 : 1;
    }
    return chars;
}

bool IsSpace(std::string_view text, Char c) {
    const std::string_view bytes = text.substr(c.start, c.length);
    return bytes == " " || bytes == "\xA1\xA1";
}

bool IsLoneLead(std::string_view text, Char c) {
    return c.length == 1 && c.start + 1 == text.size() &&
           static_cast<unsigned char>(text[c.start]) >= 0x80;
}

std::size_t FindFrom(std::string_view text, std::string_view needle, std::size_t from) {
    for (const Char c : Chars(text)) {
        if (c.start >= from && text.substr(c.start, needle.size()) == needle) return c.start;
    }
    return std::string_view::npos;
}

}  // namespace

std::vector<std::size_t> CharStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (const Char c : Chars(text)) starts.push_back(c.start);
    return starts;
}

std::size_t Find(std::string_view text, std::string_view needle) {
    return FindFrom(text, needle, 0);
}

std::string RemoveAll(std::string_view text, std::string_view needle) {
    std::string result;
    std::size_t pos = 0;
    for (const Char c : Chars(text)) {
        if (c.start < pos) continue;
        if (text.substr(c.start, needle.size()) == needle) {
            pos = c.start + needle.size();
        } else {
            result.append(text.substr(c.start, c.length));
            pos = c.start + c.length;
        }
    }
    return result;
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    std::string piece;
    std::size_t pos = 0;
    bool endsWithSeparator = false;
    for (const Char c : Chars(text)) {
        if (c.start < pos) continue;
        if (text.substr(c.start, separator.size()) == separator) {
            pieces.push_back(piece);
            piece.clear();
            pos = c.start + separator.size();
            endsWithSeparator = pos == text.size();
        } else {
            piece.append(text.substr(c.start, c.length));
            pos = c.start + c.length;
        }
    }
    if (!endsWithSeparator) pieces.push_back(piece);
    return pieces;
}

std::string TrimTrailing(std::string_view text) {
    std::vector<Char> chars = Chars(text);
    while (!chars.empty() && (IsSpace(text, chars.back()) || IsLoneLead(text, chars.back()))) {
        chars.pop_back();
    }
    return std::string(
        text.substr(0, chars.empty() ? 0 : chars.back().start + chars.back().length));
}

std::string Trim(std::string_view text) {
    std::vector<Char> chars = Chars(text);
    std::size_t first = 0;
    while (first < chars.size() && IsSpace(text, chars[first])) ++first;
    if (first == chars.size()) return std::string();
    return TrimTrailing(text.substr(chars[first].start));
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (const Char c : Chars(text)) {
        open = true;
        const std::string_view bytes = text.substr(c.start, c.length);
        if (bytes != "\n") {
            line.append(bytes);
            continue;
        }
        // A CR that is a character of its own, right before the LF, is part
        // of the line end.
        if (!line.empty() && line.back() == '\r' && c.start > 0) {
            const std::vector<Char> before = Chars(text.substr(0, c.start));
            if (before.back().length == 1) line.pop_back();
        }
        lines.push_back(line);
        line.clear();
        open = false;
    }
    if (open) lines.push_back(line);
    return lines;
}

// The command of a hotkey line: without the spaces and tabs around it.
std::string TrimBlanks(std::string_view text) {
    std::vector<Char> chars = Chars(text);
    const auto blank = [&](Char c) {
        return IsSpace(text, c) || text.substr(c.start, c.length) == "\t";
    };
    std::size_t first = 0;
    while (first < chars.size() && blank(chars[first])) ++first;
    while (chars.size() > first && (blank(chars.back()) || IsLoneLead(text, chars.back()))) {
        chars.pop_back();
    }
    if (first == chars.size()) return std::string();
    const std::size_t end = chars.back().start + chars.back().length;
    return std::string(text.substr(chars[first].start, end - chars[first].start));
}

bool ReadHotkeyLine(std::string_view line, HotkeyEntry* entry) {
    const std::vector<Char> chars = Chars(line);
    const auto at = [&](std::size_t i) { return line.substr(chars[i].start, chars[i].length); };
    const auto blank = [&](std::size_t i) { return at(i) == " " || at(i) == "\t"; };
    std::size_t i = 0;
    std::string verb;
    while (i < chars.size() && !blank(i)) verb += at(i++);
    if (i == chars.size() || (verb != "alias" && verb != "funckey")) return false;
    while (i < chars.size() && blank(i)) ++i;
    if (i == chars.size()) return false;
    // The key: up to the next space or tab; one in quotation marks first up
    // to its closing mark, when it has one.
    const std::size_t keyStart = i;
    std::size_t end = i + 1;
    if (at(i) == "'" || at(i) == "\"") {
        while (end < chars.size() && at(end) != at(keyStart)) ++end;
        end = end < chars.size() ? end + 1 : keyStart + 1;
    }
    while (end < chars.size() && !blank(end)) ++end;
    std::string key, command;
    for (std::size_t c = keyStart; c < end; ++c) key += at(c);
    for (std::size_t c = end; c < chars.size(); ++c) command += at(c);
    *entry = {key, TrimBlanks(command)};
    return true;
}

std::vector<HotkeyEntry> ParseEnvText(std::string_view text) {
    std::vector<HotkeyEntry> entries;
    const std::size_t p = Find(text, kPreferencesMarker);
    const std::string_view head = p == std::string_view::npos ? text : text.substr(0, p);
    const std::string_view tail = text.substr(head.size());
    for (const std::string_view part : {head, tail}) {
        for (const std::string& line : Lines(part)) {
            HotkeyEntry entry;
            if (ReadHotkeyLine(line, &entry)) entries.push_back(entry);
        }
    }
    return entries;
}

std::string ComposeEnvText(const std::vector<HotkeyEntry>& entries) {
    std::string text(kEnvHeader);
    for (const HotkeyEntry& entry : entries) {
        text += "alias " + TrimTrailing(entry.key) + " " + TrimTrailing(entry.command) + "\r\n";
    }
    return text + std::string(kEnvTailBlock);
}

bool IsRoundTripSafe(const HotkeyEntry& entry) {
    const std::string line = "alias " + entry.key + " " + entry.command;
    const auto holds = [](std::string_view text, std::string_view part) {
        return text.find(part) != std::string_view::npos;
    };
    HotkeyEntry read;
    return TrimTrailing(entry.key) == entry.key && TrimBlanks(entry.command) == entry.command &&
           !holds(line, std::string_view("\0", 1)) && !holds(line, "\n") &&
           !holds(line, kPreferencesMarker) && ReadHotkeyLine(line, &read) && read == entry;
}

}  // namespace keyloom::reference
