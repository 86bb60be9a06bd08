#include "skin_colour.h"

#include <algorithm>
#include <cmath>

namespace {

struct Hsl {
    double h;  // degrees, 0 <= h < 360
    double s;  // 0..1
    double l;  // 0..1
};

Hsl ToHsl(Rgb c) {
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    Hsl out{0.0, 0.0, (hi + lo) / 2.0};
    const double d = hi - lo;
    if (d <= 0.0) return out;
    out.s = out.l > 0.5 ? d / (2.0 - hi - lo) : d / (hi + lo);
    if (hi == r) {
        out.h = (g - b) / d + (g < b ? 6.0 : 0.0);
    } else if (hi == g) {
        out.h = (b - r) / d + 2.0;
    } else {
        out.h = (r - g) / d + 4.0;
    }
    out.h *= 60.0;
    return out;
}

double HueToChannel(double p, double q, double t) {
    if (t < 0.0) t += 1.0;
    if (t > 1.0) t -= 1.0;
    if (t < 1.0 / 6.0) return p + (q - p) * 6.0 * t;
    if (t < 0.5) return q;
    if (t < 2.0 / 3.0) return p + (q - p) * (2.0 / 3.0 - t) * 6.0;
    return p;
}

uint8_t ToByte(double v) {
    return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

Rgb FromHsl(Hsl c) {
    if (c.s <= 0.0) {
        const uint8_t v = ToByte(c.l);
        return Rgb{v, v, v};
    }
    const double q = c.l < 0.5 ? c.l * (1.0 + c.s) : c.l + c.s - c.l * c.s;
    const double p = 2.0 * c.l - q;
    const double h = c.h / 360.0;
    return Rgb{ToByte(HueToChannel(p, q, h + 1.0 / 3.0)), ToByte(HueToChannel(p, q, h)),
               ToByte(HueToChannel(p, q, h - 1.0 / 3.0))};
}

}  // namespace

Rgb AdjustColour(Rgb colour, int hue, int saturation, int brightness) {
    const int turn = hue % 360;  // never overflows, even for INT_MIN
    saturation = std::clamp(saturation, -100, 100);
    brightness = std::clamp(brightness, -100, 100);
    // Identity without a round trip through HSL, so a skin's own colours
    // come out exactly as written.
    if (turn == 0 && saturation == 0 && brightness == 0) return colour;

    Hsl c = ToHsl(colour);
    c.h = std::fmod(c.h + turn + 360.0, 360.0);
    c.s = std::clamp(c.s * (100 + saturation) / 100.0, 0.0, 1.0);
    if (brightness > 0) {
        c.l += (1.0 - c.l) * brightness / 100.0;
    } else {
        c.l *= (100 + brightness) / 100.0;
    }
    return FromHsl(c);
}

Rgb BlendColour(Rgb from, Rgb to, int percent) {
    percent = std::clamp(percent, 0, 100);
    auto mix = [percent](uint8_t a, uint8_t b) {
        return static_cast<uint8_t>((a * (100 - percent) + b * percent + 50) / 100);
    };
    return Rgb{mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b)};
}
