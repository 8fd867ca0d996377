#include "strengths/cheshta_bala.h"

#include <cmath>

#include "engine/body_slot.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

constexpr const char* SOURCE =
    "B. V. Raman, Graha and Bhava Balas, ch. VI; Brihat Parashara Hora Shastra, ch. 27";
constexpr double HALF_CIRCLE = 180;

// A mean longitude at the epoch, its daily motion, and a correction in
// degrees of `correction` + `correctionPerYear` x whole years since the
// epoch.
struct MeanMotion {
    double atEpoch;
    double perDay;
    double correction;
    double correctionPerYear;
};

// Raman's tables (ch. VI and tables IV to IX), epoch 1 January 1900 at
// mean midnight of Ujjain: the mean Sun; Mars, Jupiter and Saturn; the
// Sighrochchas of Mercury and Venus, each with his correction per year.
// The daily motions are the tables' figures for 10,000 days.
constexpr MeanMotion MEAN_SUN = {257.4568, 9856.0265 / 10000, 0, 0};
constexpr MeanMotion MEAN_MARS = {270.22, 5240.19 / 10000, 0, 0};
constexpr MeanMotion MEAN_JUPITER = {220.04, 830.96 / 10000, -3.33, -0.0067};
constexpr MeanMotion MEAN_SATURN = {236.74, 334.39 / 10000, 5, 0.001};
constexpr MeanMotion SIGHRA_MERCURY = {164, 40923.18 / 10000, 6.67, -0.00133};
constexpr MeanMotion SIGHRA_VENUS = {328.51, 16021.46 / 10000, -5, -0.001};
// Ujjain's meridian, degrees east, and the Julian day of 1 January 1900,
// 0h UT.
constexpr double UJJAIN_LONGITUDE = 75.7667;
constexpr double JULIAN_DAY_1900 = 2415020.5;
constexpr double YEAR_DAYS = 365.25;

double MeanAt(const MeanMotion& motion, double days) {
    const double years = std::floor(days / YEAR_DAYS);
    return ZodiacDegrees(motion.atEpoch + motion.perDay * days + motion.correction +
                         motion.correctionPerYear * years);
}

// The modern mean elements, tropical, of the mean equinox of date
// (J. Meeus, "Astronomical Algorithms", ch. 25 for the Sun, table 31.A
// for the planets, heliocentric): degrees at J2000.0 and per Julian century.
struct MeanElement {
    double atJ2000;
    double perCentury;
};
constexpr MeanElement MODERN_SUN = {280.46646, 36000.76983};
constexpr MeanElement MODERN_MERCURY = {252.250906, 149474.0722491};
constexpr MeanElement MODERN_VENUS = {181.979801, 58519.2130302};
constexpr MeanElement MODERN_MARS = {355.433275, 19141.6964746};
constexpr MeanElement MODERN_JUPITER = {34.351484, 3036.3027889};
constexpr MeanElement MODERN_SATURN = {50.077471, 1223.5110141};
constexpr double J2000 = 2451545.0;
constexpr double CENTURY_DAYS = 36525;

// The planet's mean longitude and its Sighrochcha, sidereal: for Mars,
// Jupiter and Saturn the Sighrochcha is the mean Sun; for Mercury and
// Venus the mean longitude is the mean Sun's.
struct MeanPair {
    double mean;
    double sighrochcha;
};

MeanPair TablePair(int planet, const BirthDay& day) {
    const double days = day.birth + UJJAIN_LONGITUDE / FULL_CIRCLE - JULIAN_DAY_1900;
    const double sun = MeanAt(MEAN_SUN, days);
    switch (planet) {
        case Mars:
            return {MeanAt(MEAN_MARS, days), sun};
        case Jupiter:
            return {MeanAt(MEAN_JUPITER, days), sun};
        case Saturn:
            return {MeanAt(MEAN_SATURN, days), sun};
        case Mercury:
            return {sun, MeanAt(SIGHRA_MERCURY, days)};
        default:
            return {sun, MeanAt(SIGHRA_VENUS, days)};
    }
}

MeanPair ModernPair(int planet, const BirthDay& day, double ayanamsa) {
    const double centuries = (day.birth - J2000) / CENTURY_DAYS;
    const auto at = [centuries, ayanamsa](const MeanElement& element) {
        return ZodiacDegrees(element.atJ2000 + element.perCentury * centuries - ayanamsa);
    };
    const double sun = at(MODERN_SUN);
    switch (planet) {
        case Mars:
            return {at(MODERN_MARS), sun};
        case Jupiter:
            return {at(MODERN_JUPITER), sun};
        case Saturn:
            return {at(MODERN_SATURN), sun};
        case Mercury:
            return {sun, at(MODERN_MERCURY)};
        default:
            return {sun, at(MODERN_VENUS)};
    }
}

// The Cheshta Kendra is the Sighrochcha less the mean of the planet's mean
// and true longitudes, folded at 180 degrees; a third of it in virupas.
BalaWorking FromKendra(const MeanPair& pair, double trueLongitude, CheshtaMeans means) {
    const double halfway = AspectAngle(pair.mean, trueLongitude);
    const double signedHalf = (halfway > HALF_CIRCLE ? halfway - FULL_CIRCLE : halfway) / 2;
    const double average = ZodiacDegrees(pair.mean + signedHalf);
    const double kendra = ZodiacDegrees(pair.sighrochcha - average);
    const double folded = kendra > HALF_CIRCLE ? FULL_CIRCLE - kendra : kendra;
    return SumWorking({{"mean longitude", pair.mean},
                       {"true longitude", trueLongitude},
                       {"Sighrochcha", pair.sighrochcha},
                       {"Cheshta Kendra", kendra}},
                      means == CheshtaMeans::EpochTables
                          ? "Cheshta Kendra (Sighrochcha - (mean + true) / 2), folded, / 3; "
                            "means from Raman's epoch tables"
                          : "Cheshta Kendra (Sighrochcha - (mean + true) / 2), folded, / 3; "
                            "means from the modern mean elements",
                      SOURCE, {{"Kendra / 3", folded / 3}});
}

BalaWorking Luminary(int planet, const StrengthRules& rules, double sunAyana, double moonPaksha) {
    if (rules.luminaryCheshta == LuminaryCheshta::None) {
        return SumWorking({}, "none: no Cheshta Kendra (Raman)", SOURCE, {{"none", 0}});
    }
    return planet == Sun
               ? SumWorking({}, "the Sun's Ayana Bala", SOURCE, {{"Ayana Bala", sunAyana}})
               : SumWorking({}, "the Moon's Paksha Bala", SOURCE, {{"Paksha Bala", moonPaksha}});
}

}  // namespace

std::array<BalaWorking, ASPECTING_PLANETS> ComputeCheshtaBala(const ShadbalaInputs& inputs,
                                                              const StrengthRules& rules,
                                                              double sunAyana, double moonPaksha) {
    std::array<BalaWorking, ASPECTING_PLANETS> bala{};
    for (int planet = 0; planet < ASPECTING_PLANETS; ++planet) {
        if (planet == Sun || planet == Moon) {
            bala[planet] = Luminary(planet, rules, sunAyana, moonPaksha);
            continue;
        }
        const MeanPair pair = rules.cheshtaMeans == CheshtaMeans::EpochTables
                                  ? TablePair(planet, inputs.day)
                                  : ModernPair(planet, inputs.day, inputs.ayanamsa);
        bala[planet] = FromKendra(pair, inputs.longitudes[planet], rules.cheshtaMeans);
    }
    return bala;
}

}  // namespace sarovin
