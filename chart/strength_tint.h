#pragma once

namespace sarovin {

// A colour as red, green and blue from 0 to 255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Sputa strengths run from 0 to 60; from 45 on they are set in bold.
inline constexpr int STRONGEST_SPUTA = 60;
inline constexpr int BOLD_SPUTA = 45;

// One hue, white at strength 0 and darkest at 60.
Rgb StrengthTint(int strength);

// Black or white, whichever stands out more on `background`.
Rgb InkOn(Rgb background);

// How a strength in virupas is shown: on the tint of its nearest whole
// strength (held to 0–60, for Saturn's special aspects may pass 60), in
// the ink that stands out on it, and bold from 45.
struct StrengthLook {
    Rgb tint;
    Rgb ink;
    bool bold = false;
};

StrengthLook LookOfStrength(double virupas);

// The contrast ratio of two colours, 1 to 21, from their relative
// luminance as the Web Content Accessibility Guidelines define it.
double ContrastRatio(Rgb first, Rgb second);

}  // namespace sarovin
