// The attach parameters and colour blends.
#include <gtest/gtest.h>

#include <climits>

#include "skin_colour.h"

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGrey{128, 128, 128};

TEST(AdjustColour, ZeroParametersKeepEveryColourExactly) {
    for (int r = 0; r < 256; r += 17) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += 17) {
                const Rgb c{uint8_t(r), uint8_t(g), uint8_t(b)};
                EXPECT_EQ(AdjustColour(c, 0, 0, 0), c);
            }
        }
    }
}

TEST(AdjustColour, HueRotatesByDegrees) {
    EXPECT_EQ(AdjustColour(kRed, 120, 0, 0), kGreen);
    EXPECT_EQ(AdjustColour(kRed, 240, 0, 0), kBlue);
    EXPECT_EQ(AdjustColour(kRed, -120, 0, 0), kBlue);
    EXPECT_EQ(AdjustColour(kGreen, 120 + 360 * 5, 0, 0), kBlue);
}

TEST(AdjustColour, HueLeavesGreysGrey) {
    EXPECT_EQ(AdjustColour(kGrey, 110, 0, 0), kGrey);
    EXPECT_EQ(AdjustColour(Rgb{0, 0, 0}, 77, 0, 0), (Rgb{0, 0, 0}));
}

TEST(AdjustColour, SaturationScalesByPercent) {
    // (180, 60, 60) has hue 0, lightness 0.47 and saturation 0.5.
    const Rgb c{180, 60, 60};
    EXPECT_EQ(AdjustColour(c, 0, -100, 0), (Rgb{120, 120, 120}));
    EXPECT_EQ(AdjustColour(c, 0, 100, 0), (Rgb{240, 0, 0}));
    EXPECT_EQ(AdjustColour(c, 0, 40, 0), (Rgb{204, 36, 36}));
    EXPECT_EQ(AdjustColour(kGrey, 0, 100, 0), kGrey);  // no saturation to scale
}

TEST(AdjustColour, BrightnessMovesTowardsWhiteOrBlack) {
    EXPECT_EQ(AdjustColour(Rgb{0, 0, 0}, 0, 0, 10), (Rgb{26, 26, 26}));
    EXPECT_EQ(AdjustColour(Rgb{0, 0, 0}, 0, 0, 100), (Rgb{255, 255, 255}));
    EXPECT_EQ(AdjustColour(kGrey, 0, 0, -50), (Rgb{64, 64, 64}));
    EXPECT_EQ(AdjustColour(Rgb{255, 255, 255}, 0, 0, -100), (Rgb{0, 0, 0}));
    // Pure red has lightness 0.5; +10 makes it 0.55.
    EXPECT_EQ(AdjustColour(kRed, 0, 0, 10), (Rgb{255, 26, 26}));
}

TEST(AdjustColour, OutOfRangeParametersAreClampedNotFatal) {
    const Rgb c{30, 90, 150};
    EXPECT_EQ(AdjustColour(c, 0, 5000, 0), AdjustColour(c, 0, 100, 0));
    EXPECT_EQ(AdjustColour(c, 0, -5000, 0), AdjustColour(c, 0, -100, 0));
    EXPECT_EQ(AdjustColour(c, 0, 0, INT_MAX), (Rgb{255, 255, 255}));
    EXPECT_EQ(AdjustColour(c, 0, 0, INT_MIN), (Rgb{0, 0, 0}));
    EXPECT_EQ(AdjustColour(c, INT_MIN, 0, 0), AdjustColour(c, INT_MIN % 360, 0, 0));
    EXPECT_EQ(AdjustColour(c, INT_MAX, 0, 0), AdjustColour(c, INT_MAX % 360, 0, 0));
}

TEST(AdjustColour, ProgramValuesTurnAGreenIntoABlue) {
    // Skin 1 is green; the program attaches it with 110, 40, 10.
    EXPECT_EQ(AdjustColour(Rgb{83, 158, 46}, 110, 40, 10), (Rgb{27, 117, 207}));
}

TEST(BlendColour, GoesFromOneColourToTheOther) {
    EXPECT_EQ(BlendColour(kRed, kBlue, 0), kRed);
    EXPECT_EQ(BlendColour(kRed, kBlue, 100), kBlue);
    EXPECT_EQ(BlendColour(Rgb{0, 0, 0}, Rgb{200, 100, 50}, 50), (Rgb{100, 50, 25}));
    EXPECT_EQ(BlendColour(kRed, kBlue, 150), kBlue);
    EXPECT_EQ(BlendColour(kRed, kBlue, -5), kRed);
}

}  // namespace
