#pragma once
// Colour arithmetic for skins: the attach parameters (hue, saturation,
// brightness) and blends between two colours. No Windows types here.
#include <cstdint>

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// Rotates the hue by `hue` degrees (any value, taken modulo 360), scales the
// saturation by (100 + saturation) percent and moves the lightness
// `brightness` percent of the way towards white (positive) or black
// (negative). Saturation and brightness are clamped to -100..100.
// With 0, 0, 0 the colour comes back unchanged.
Rgb AdjustColour(Rgb colour, int hue, int saturation, int brightness);

// The colour `percent` (0..100) of the way from `from` to `to`.
Rgb BlendColour(Rgb from, Rgb to, int percent);
