#include "core/text_rules.h"

#include <cstring>

namespace keyloom {
namespace {

constexpr char kFullWidthSpaceByte = '\xA1';

// Length of the run of bytes >= 0x80 that ends right before end, not going
// below base. Such a run begins at a character start (the byte before it is
// below 0x80, so it ends a character), and inside the run the bytes pair up
// as lead and second byte from its start.
std::size_t HighRunBefore(std::string_view text, std::size_t base, std::size_t end) {
    std::size_t pos = end;
    while (pos > base && IsHighByte(text[pos - 1])) --pos;
    return end - pos;
}

// The byte the scan for needle looks for with memchr: its first byte that is
// not a lower-case letter or a space, as those are the commonest bytes in an
// env file ('$' in "source $TELENV", '#' in the marker, CR in CR LF).
std::size_t AnchorIndex(std::string_view needle) {
    for (std::size_t i = 0; i < needle.size(); ++i) {
        const char c = needle[i];
        if (c != ' ' && (c < 'a' || c > 'z')) return i;
    }
    return 0;
}

}  // namespace

std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
    return IsHighByte(text[pos]) && pos + 1 < text.size() && text[pos + 1] != '\0' ? 2 : 1;
}

bool IsCharStart(std::string_view text, std::size_t pos, std::size_t base) {
    if (pos >= text.size() || pos == base) return true;
    // A byte of 0x80 or more before a zero byte is a character of its own.
    if (text[pos] == '\0') return true;
    return HighRunBefore(text, base, pos) % 2 == 0;
}

std::size_t FindAtCharStart(std::string_view text, std::string_view needle, std::size_t from) {
    const std::size_t n = needle.size();
    if (from > text.size()) return std::string_view::npos;
    if (n == 0) return from;
    if (text.size() - from < n) return std::string_view::npos;
    if (n == 1) return FindByteAtCharStart(text, needle[0], from);
    const std::size_t anchor = AnchorIndex(needle);
    const char* data = text.data();
    const std::size_t last = text.size() - n;  // the last place a match can begin
    std::size_t start = from;
    while (start <= last) {
        const void* hit = std::memchr(data + start + anchor, needle[anchor], last - start + 1);
        if (hit == nullptr) break;
        start = static_cast<std::size_t>(static_cast<const char*>(hit) - data) - anchor;
        if (std::memcmp(data + start, needle.data(), n) == 0 && IsCharStart(text, start, from)) {
            return start;
        }
        ++start;
    }
    return std::string_view::npos;
}

std::size_t FindByteAtCharStart(std::string_view text, char byte, std::size_t from) {
    const char* data = text.data();
    std::size_t pos = from;
    while (pos < text.size()) {
        const void* hit = std::memchr(data + pos, byte, text.size() - pos);
        if (hit == nullptr) break;
        pos = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
        if (IsCharStart(text, pos, from)) return pos;
        ++pos;
    }
    return std::string_view::npos;
}

bool IsSpaceAt(std::string_view text, std::size_t pos) {
    if (text[pos] == ' ') return true;
    return text[pos] == kFullWidthSpaceByte && pos + 1 < text.size() &&
           text[pos + 1] == kFullWidthSpaceByte;
}

std::string_view TrimTrailingSpacesView(std::string_view text) {
    std::size_t end = text.size();
    // The bytes >= 0x80 right before end pair up from the start of their run,
    // so an odd run ends with a lead byte that has no second byte.
    std::size_t run = HighRunBefore(text, 0, end);
    if (run % 2 == 1) {
        --end;
        --run;
    }
    for (;;) {
        if (run >= 2) {
            if (text[end - 2] != kFullWidthSpaceByte || text[end - 1] != kFullWidthSpaceByte) break;
            end -= 2;
            run -= 2;
            continue;
        }
        if (end == 0 || text[end - 1] != ' ') break;
        // A 0x20 after an odd run is the second byte of a character.
        const std::size_t before = HighRunBefore(text, 0, end - 1);
        if (before % 2 == 1) break;
        --end;
        run = before;
    }
    return text.substr(0, end);
}

std::string_view TrimSpacesView(std::string_view text) {
    text = TrimTrailingSpacesView(text);
    std::size_t begin = 0;
    while (begin < text.size() && IsSpaceAt(text, begin)) begin += text[begin] == ' ' ? 1 : 2;
    return text.substr(begin);
}

}  // namespace keyloom
