#pragma once

#include <array>
#include <string_view>

namespace sarovin {

inline constexpr double FULL_CIRCLE = 360;
inline constexpr double SIGN_WIDTH = 30;
inline constexpr int SIGN_COUNT = 12;

// Sign names, Aries (Mesha) first. Results always show the Sanskrit form.
inline constexpr std::array<std::string_view, SIGN_COUNT> VedicSignNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrischika", "Dhanus",  "Makara", "Kumbha", "Meena",
};

// An angle or a longitude reduced to [0, 360).
double ZodiacDegrees(double degrees);

// The sign a longitude falls in, 0 for Mesha, in whatever turn it is given.
int SignOf(double longitude);

// The degrees a longitude has gone into its sign, [0, 30).
double DegreesInSign(double longitude);

// A stretch of the zodiac from `start` (in [0, 360)) forward by `length`
// degrees (0 to 360): it may run over 0° Mesha.
struct ZodiacArc {
    double start = 0;
    double length = 0;

    double Length() const { return length; }
    // Where it ends, in [0, 360).
    double End() const;
    // Whether the arc holds `longitude`, its start included and its end not.
    bool Contains(double longitude) const;
    // Whether the arc holds `longitude`, its end included too.
    bool Reaches(double longitude) const;

    friend bool operator==(const ZodiacArc&, const ZodiacArc&) = default;
};

// The arc from `start` forward to `end`, both in any turn.
ZodiacArc ArcFromTo(double start, double end);

}  // namespace sarovin
