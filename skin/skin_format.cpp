#include "skin_format.h"

#include <string_view>

const std::array<const char*, kSkinRoleCount> kSkinColourKeys = {
    "window",
    "text",
    "frame.outer",
    "frame.inner",
    "caption.top",
    "caption.bottom",
    "caption.text",
    "caption.inactive.top",
    "caption.inactive.bottom",
    "caption.inactive.text",
    "caption.glyph",
    "button.top",
    "button.bottom",
    "button.hover.top",
    "button.hover.bottom",
    "button.pressed.top",
    "button.pressed.bottom",
    "button.frame",
    "button.text",
    "group.frame",
    "edit.border",
    "edit.inner",
    "list.border",
    "header.top",
    "header.bottom",
    "header.pressed.top",
    "header.pressed.bottom",
    "header.separator",
    "header.text",
};

namespace {

// Keys that are not colours; they follow the colours in the seen-flags.
enum ExtraKey { kName, kButtonRadius, kGroupRadius, kExtraCount };
constexpr std::array<const char*, kExtraCount> kExtraKeys = {"name", "button.radius",
                                                             "group.radius"};
constexpr size_t kKeyCount = kSkinRoleCount + kExtraCount;

bool IsAllowedByte(unsigned char c) {
    return c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c <= 0x7E);
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "#RRGGBB", nothing else.
bool ParseColour(std::string_view v, Rgb& out) {
    if (v.size() != 7 || v[0] != '#') return false;
    int d[6];
    for (int i = 0; i < 6; ++i) {
        d[i] = HexDigit(v[i + 1]);
        if (d[i] < 0) return false;
    }
    out = Rgb{static_cast<uint8_t>(d[0] * 16 + d[1]), static_cast<uint8_t>(d[2] * 16 + d[3]),
              static_cast<uint8_t>(d[4] * 16 + d[5])};
    return true;
}

// One to two decimal digits, at most kMaxSkinRadius.
bool ParseRadius(std::string_view v, int& out) {
    if (v.empty() || v.size() > 2) return false;
    int n = 0;
    for (char c : v) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (n > kMaxSkinRadius) return false;
    out = n;
    return true;
}

bool ParseName(std::string_view v, std::string& out) {
    if (v.empty() || v.size() > kMaxSkinNameBytes) return false;
    for (char c : v) {
        if (c == '\t' || c == '\r') return false;
    }
    out.assign(v);
    return true;
}

int FindKey(std::string_view key) {
    for (size_t i = 0; i < kSkinRoleCount; ++i) {
        if (key == kSkinColourKeys[i]) return static_cast<int>(i);
    }
    for (size_t i = 0; i < kExtraCount; ++i) {
        if (key == kExtraKeys[i]) return static_cast<int>(kSkinRoleCount + i);
    }
    return -1;
}

bool ParseValue(size_t key, std::string_view value, SkinDef& out) {
    if (key < kSkinRoleCount) return ParseColour(value, out.colours[key]);
    switch (key - kSkinRoleCount) {
        case kName:
            return ParseName(value, out.name);
        case kButtonRadius:
            return ParseRadius(value, out.buttonRadius);
        case kGroupRadius:
            return ParseRadius(value, out.groupRadius);
    }
    return false;
}

}  // namespace

bool ParseSkin(const unsigned char* bytes, size_t size, SkinDef& out) {
    if (bytes == nullptr || size == 0 || size > kMaxSkinBytes) return false;
    for (size_t i = 0; i < size; ++i) {
        if (!IsAllowedByte(bytes[i])) return false;
    }
    std::string_view text(reinterpret_cast<const char*>(bytes), size);

    std::array<bool, kKeyCount> seen{};
    bool first = true;
    bool ended = false;
    while (!text.empty()) {
        const size_t eol = text.find('\n');
        std::string_view line = Trim(text.substr(0, eol));
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);

        if (first) {
            if (line != kSkinMagic) return false;
            first = false;
            continue;
        }
        if (line.empty() || line.front() == '#') continue;
        if (ended) return false;  // only blank lines and comments after `end`
        if (line == "end") {
            ended = true;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) return false;
        const int key = FindKey(Trim(line.substr(0, eq)));
        if (key < 0 || seen[key]) return false;
        if (!ParseValue(static_cast<size_t>(key), Trim(line.substr(eq + 1)), out)) return false;
        seen[key] = true;
    }
    if (first || !ended) return false;
    for (bool s : seen) {
        if (!s) return false;
    }
    return true;
}

SkinDef AdjustSkin(const SkinDef& skin, int hue, int saturation, int brightness) {
    SkinDef out = skin;
    for (Rgb& c : out.colours) c = AdjustColour(c, hue, saturation, brightness);
    return out;
}
