// The 37 shipped skin files: each parses, and each looks different.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "skin_format.h"

namespace {

constexpr int kSkinCount = 37;

std::string ReadSkinFile(int index) {
    char path[512];
    std::snprintf(path, sizeof(path), "%s/skin%02d.ksk", KEYLOOM_SKIN_DIR, index);
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<SkinDef> ShippedSkins() {
    std::vector<SkinDef> skins;
    for (int i = 1; i <= kSkinCount; ++i) {
        const std::string bytes = ReadSkinFile(i);
        SkinDef def;
        if (ParseSkin(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), def)) {
            skins.push_back(def);
        } else {
            ADD_FAILURE() << "skin " << i << " (" << bytes.size() << " bytes) does not parse";
        }
    }
    return skins;
}

int Distance(Rgb a, Rgb b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

TEST(ShippedSkins, All37Parse) {
    EXPECT_EQ(ShippedSkins().size(), static_cast<size_t>(kSkinCount));
}

TEST(ShippedSkins, NoSkin38) {
    EXPECT_TRUE(ReadSkinFile(38).empty());
}

TEST(ShippedSkins, NamesAreDistinct) {
    std::set<std::string> names;
    for (const SkinDef& s : ShippedSkins()) names.insert(s.name);
    EXPECT_EQ(names.size(), static_cast<size_t>(kSkinCount));
}

TEST(ShippedSkins, EveryPairLooksClearlyDifferent) {
    // Different colours in many roles, and a visible difference in the
    // colours that cover the most pixels: background, title bar, buttons.
    const std::vector<SkinDef> skins = ShippedSkins();
    const SkinRole large[] = {SkinRole::Window, SkinRole::CaptionTop, SkinRole::CaptionBottom,
                              SkinRole::ButtonTop, SkinRole::ButtonBottom};
    for (size_t a = 0; a < skins.size(); ++a) {
        for (size_t b = a + 1; b < skins.size(); ++b) {
            int differing = 0;
            for (size_t r = 0; r < kSkinRoleCount; ++r) {
                if (Distance(skins[a].colours[r], skins[b].colours[r]) > 12) ++differing;
            }
            int largeDistance = 0;
            for (SkinRole r : large)
                largeDistance += Distance(skins[a].Colour(r), skins[b].Colour(r));
            EXPECT_GE(differing, 10) << skins[a].name << " / " << skins[b].name;
            EXPECT_GE(largeDistance, 60) << skins[a].name << " / " << skins[b].name;
        }
    }
}

TEST(ShippedSkins, TextsStandOutFromTheirBackgrounds) {
    auto luma = [](Rgb c) { return (c.r * 299 + c.g * 587 + c.b * 114) / 1000; };
    for (const SkinDef& s : ShippedSkins()) {
        const std::pair<SkinRole, SkinRole> pairs[] = {
            {SkinRole::Text, SkinRole::Window},
            {SkinRole::CaptionText, SkinRole::CaptionBottom},
            {SkinRole::ButtonText, SkinRole::ButtonBottom},
            {SkinRole::HeaderText, SkinRole::HeaderBottom},
        };
        for (const auto& [text, back] : pairs) {
            EXPECT_GE(std::abs(luma(s.Colour(text)) - luma(s.Colour(back))), 90)
                << s.name << " role " << static_cast<int>(text);
        }
    }
}

}  // namespace
