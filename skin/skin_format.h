#pragma once
// The skin file format (described in skin/README.md): a small text file with
// a magic first line, a name, named colours, two corner radii and an end
// line. Parsing checks everything before anything is used.
#include <array>
#include <cstddef>
#include <string>

#include "skin_colour.h"

// Every colour a skin defines, in the order of kSkinColourKeys.
enum class SkinRole {
    Window,
    Text,
    FrameOuter,
    FrameInner,
    CaptionTop,
    CaptionBottom,
    CaptionText,
    CaptionInactiveTop,
    CaptionInactiveBottom,
    CaptionInactiveText,
    CaptionGlyph,
    ButtonTop,
    ButtonBottom,
    ButtonHoverTop,
    ButtonHoverBottom,
    ButtonPressedTop,
    ButtonPressedBottom,
    ButtonFrame,
    ButtonText,
    GroupFrame,
    EditBorder,
    EditInner,
    ListBorder,
    HeaderTop,
    HeaderBottom,
    HeaderPressedTop,
    HeaderPressedBottom,
    HeaderSeparator,
    HeaderText,
    Count
};

constexpr size_t kSkinRoleCount = static_cast<size_t>(SkinRole::Count);

// Key of each colour in the file, indexed by SkinRole.
extern const std::array<const char*, kSkinRoleCount> kSkinColourKeys;

constexpr const char* kSkinMagic = "KEYLOOM-SKIN 1";
constexpr size_t kMaxSkinBytes = 64 * 1024;
constexpr size_t kMaxSkinNameBytes = 63;
constexpr int kMaxSkinRadius = 12;

struct SkinDef {
    std::string name;
    std::array<Rgb, kSkinRoleCount> colours{};
    int buttonRadius = 0;
    int groupRadius = 0;

    Rgb Colour(SkinRole role) const { return colours[static_cast<size_t>(role)]; }
};

// Parses a whole skin file. Returns false, leaving `out` unspecified, for
// anything but a complete, well-formed file: null or empty input, more than
// kMaxSkinBytes, bytes other than printable ASCII, tab, CR and LF, a wrong
// first line, unknown, repeated or missing keys, bad values, or no `end`.
bool ParseSkin(const unsigned char* bytes, size_t size, SkinDef& out);

// The skin with every colour passed through AdjustColour.
SkinDef AdjustSkin(const SkinDef& skin, int hue, int saturation, int brightness);
