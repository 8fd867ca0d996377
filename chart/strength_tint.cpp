#include "chart/strength_tint.h"

#include <algorithm>
#include <cmath>

namespace sarovin {

namespace {

constexpr Rgb WHITE{255, 255, 255};
constexpr Rgb BLACK{0, 0, 0};
constexpr Rgb DARKEST{22, 66, 138};

int Between(int light, int dark, int strength) {
    return static_cast<int>(
        std::lround(light + static_cast<double>(dark - light) * strength / STRONGEST_SPUTA));
}

double LinearChannel(int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
    return 0.2126 * LinearChannel(colour.red) + 0.7152 * LinearChannel(colour.green) +
           0.0722 * LinearChannel(colour.blue);
}

}  // namespace

Rgb StrengthTint(int strength) {
    const int clamped = std::clamp(strength, 0, STRONGEST_SPUTA);
    return {Between(WHITE.red, DARKEST.red, clamped), Between(WHITE.green, DARKEST.green, clamped),
            Between(WHITE.blue, DARKEST.blue, clamped)};
}

Rgb InkOn(Rgb background) {
    return ContrastRatio(WHITE, background) > ContrastRatio(BLACK, background) ? WHITE : BLACK;
}

StrengthLook LookOfStrength(double virupas) {
    const Rgb tint = StrengthTint(static_cast<int>(
        std::lround(std::clamp(virupas, 0.0, static_cast<double>(STRONGEST_SPUTA)))));
    return {tint, InkOn(tint), virupas >= BOLD_SPUTA};
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace sarovin
