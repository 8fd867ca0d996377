#include "drishti/classical_sputa_drishti.h"
#include "zodiac/zodiac.h"

#include <cmath>

namespace sarovin {

namespace {

// The general strength of an aspect by the angle a from the aspecting
// planet to the aspected point (Brihat Parashara Hora Shastra, the chapter
// on the strengths of the planets, Drik Bala; in the band form of
// B. V. Raman, "Graha and Bhava Balas"). A band runs from its lower bound,
// included, to the next band's, excluded.
struct ClassicalBand {
    double lower;
    double (*strength)(double angle);
};

constexpr std::array<ClassicalBand, 8> GENERAL_BANDS = {{
    {0, [](double) { return 0.0; }},
    {30, [](double a) { return (a - 30) / 2; }},
    {60, [](double a) { return a - 45; }},
    {90, [](double a) { return 30 + (120 - a) / 2; }},
    {120, [](double a) { return 150 - a; }},
    {150, [](double a) { return 2 * (a - 150); }},
    {180, [](double a) { return (300 - a) / 2; }},
    {300, [](double) { return 0.0; }},
}};

// The special aspects, added for the aspecting planet only: Saturn's third
// and tenth, Mars's fourth and eighth, Jupiter's fifth and ninth.
struct SpecialAspect {
    int planet;
    double lower;
    double upper;
    double added;
};

constexpr std::array<SpecialAspect, 6> SPECIAL_ASPECTS = {{
    {Saturn, 60, 90, 45},
    {Saturn, 270, 300, 45},
    {Mars, 90, 120, 15},
    {Mars, 210, 240, 15},
    {Jupiter, 120, 150, 30},
    {Jupiter, 240, 270, 30},
}};

double GeneralStrength(double angle) {
    const ClassicalBand* band = &GENERAL_BANDS.front();
    for (const ClassicalBand& candidate : GENERAL_BANDS) {
        if (candidate.lower <= angle) {
            band = &candidate;
        }
    }
    return band->strength(angle);
}

double SpecialStrength(int aspecting, double angle) {
    double added = 0;
    for (const SpecialAspect& special : SPECIAL_ASPECTS) {
        if (special.planet == aspecting && special.lower <= angle && angle < special.upper) {
            added += special.added;
        }
    }
    return added;
}

}  // namespace

double ClassicalSputaStrength(int aspecting, double angle) {
    return GeneralStrength(angle) + SpecialStrength(aspecting, angle);
}

double AspectAngle(double aspecting, double aspected) {
    return ZodiacDegrees(aspected - aspecting);
}

ClassicalSputa ComputeClassicalSputa(const BodyTable& bodies, std::optional<double> lagna) {
    ClassicalSputa sputa;
    LagnaAspects onLagna{lagna.value_or(0), {}, {}};
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        const double from = bodies.entries[planet].longitude;
        for (int body = 0; body < BODY_COUNT; ++body) {
            const double angle = AspectAngle(from, bodies.entries[body].longitude);
            sputa.angles[planet][body] = angle;
            sputa.grid[planet][body] = body == planet ? 0 : ClassicalSputaStrength(planet, angle);
        }
        if (lagna) {
            const double angle = AspectAngle(from, *lagna);
            onLagna.angles[planet] = angle;
            onLagna.virupas[planet] = ClassicalSputaStrength(planet, angle);
        }
    }
    if (lagna) {
        sputa.lagna = onLagna;
    }
    return sputa;
}

}  // namespace sarovin
