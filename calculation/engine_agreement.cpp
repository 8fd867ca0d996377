#include "calculation/engine_agreement.h"

#include <algorithm>
#include <cmath>

#include "engine/civil_time.h"
#include "engine/julian_day.h"
#include "swiss/birth_moment.h"
#include "swiss/transit_positions.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

// "the Moon", "Mercury", "the N Node": the two lights and the nodes take
// the article in English prose.
std::string BodyInProse(int slot, const BodyEntry& entry) {
    const bool takesArticle = slot == Sun || slot == Moon || slot == NNode || slot == SNode;
    return (takesArticle ? "the " : "") + entry.englishName;
}

std::string_view SignName(const BodyEntry& entry) {
    return VedicSignNames[static_cast<std::size_t>(entry.place.sign)];
}

constexpr double J2000 = 2451545.0;
constexpr double DAYS_PER_CENTURY = 36525;
constexpr double HOURS_PER_DAY = 24;
constexpr double MINUTES_PER_DAY = 1440;

// No body moves faster than this, in degrees a day either way: the Sun at
// perihelion, the Moon at perigee, Mercury and Venus near inferior
// conjunction, Mars near opposition, the slow planets, the mean node.
constexpr std::array<double, BODY_COUNT> FASTEST_MOTION = {1.02, 15.4, 2.21, 1.26, 0.80,
                                                           0.25, 0.14, 0.06, 0.06};

// The Julian day (Universal Time) of a civil date and hours from its midnight.
double JulianDayOf(int year, int month, int day, double hours) {
    return JulianDayNumber(month, day, year) - 0.5 + hours / HOURS_PER_DAY;
}

// How far apart, in days, the built-in ephemeris and the Swiss Ephemeris
// read the sky for one record: the built-in Moon applies the zone in the
// direction of the longitude's hemisphere and its planets leave out
// daylight saving, where the Swiss Ephemeris takes the zone's sign and the
// tick; both agree to the minute (the seconds of an exact offset) otherwise.
double DaysApart(const BirthRecord& record, double swissDay) {
    const double moonDay =
        JulianDayOf(record.year, record.month, record.day, BirthUniversalTime(record));
    const CivilTime planets =
        AddMinutes({record.year, record.month, record.day, record.hour, record.minute},
                   std::int64_t{record.zoneHoursToUt} * 60 + record.zoneMinutesToUt);
    const double planetDay =
        JulianDayOf(planets.year, planets.month, planets.day, planets.hour + planets.minute / 60.0);
    return std::max(std::fabs(moonDay - swissDay), std::fabs(planetDay - swissDay)) +
           1 / MINUTES_PER_DAY;
}

// How the built-in ephemeris stands apart from the Swiss Ephemeris (mean
// node) for one body read at the same moment: by `offset` + `drift` × T
// degrees, T in Julian centuries from J2000, give or take `spread`. The
// planets' drift is the precession (their built-in longitudes keep the
// equinox of J2000), the nodes keep a fixed offset, and the rest is each
// theory's own error.
struct BuiltInDeparture {
    double offset = 0;
    double drift = 0;
    double spread = 0;
};

// Fitted to 40,000 random births from 1901 to 2050 against the Swiss
// Ephemeris, read at the same moment; each spread is twice the largest
// difference left there, and tests/calculation checks the warnings at other
// births.
constexpr std::array<BuiltInDeparture, BODY_COUNT> BUILT_IN_DEPARTURES = {{
    {0.00428, -1.39672, 0.025},   // Sun
    {-0.01115, -0.00795, 0.071},  // Moon
    {0.00576, -1.39693, 0.051},   // Mercury
    {0.00604, -1.39685, 0.063},   // Venus
    {0.01130, -1.39363, 0.167},   // Mars
    {0.01297, -1.34422, 0.295},   // Jupiter
    {-0.02656, -1.51158, 0.345},  // Saturn
    {-0.92324, -0.00074, 0.012},  // N Node
    {-0.92324, -0.00074, 0.012},  // S Node
}};

// True when the Swiss Ephemeris may put the body at `longitude` (built-in)
// in another sign at `centuries` from J2000, when the two ephemerides read
// the sky `daysApart` days apart: a sign's edge lies between the built-in
// longitude and where the Swiss one may be.
bool MayStandInAnotherSign(int slot, double longitude, double centuries, double daysApart) {
    const std::size_t index = static_cast<std::size_t>(slot);
    const BuiltInDeparture& departure = BUILT_IN_DEPARTURES[index];
    const double expected = longitude - departure.offset - departure.drift * centuries;
    const double spread = departure.spread + FASTEST_MOTION[index] * daysApart;
    const double lowest = std::min(longitude, expected - spread);
    const double highest = std::max(longitude, expected + spread);
    // Counted along the unwrapped line, so that a stretch over 0° Mesha
    // holds an edge too.
    return std::floor(lowest / SIGN_WIDTH) != std::floor(highest / SIGN_WIDTH);
}

}  // namespace

std::vector<std::string> PrecisionWarnings(const BirthRecord& record, const Sky& sky) {
    if (sky.used.ephemeris != Ephemeris::BuiltIn) {
        return {};
    }
    const double julianDayUt = SwissBirthMoment(record).julianDayUt;
    const double centuries = (julianDayUt - J2000) / DAYS_PER_CENTURY;
    const double daysApart = DaysApart(record, julianDayUt);
    std::vector<std::string> warnings;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        const BodyEntry& builtIn = sky.bodies.entries[static_cast<std::size_t>(slot)];
        if (!MayStandInAnotherSign(slot, builtIn.longitude, centuries, daysApart)) {
            continue;
        }
        const Result<SwissMotion> swiss =
            ComputeSwissMotion(slot, julianDayUt, AyanamsaSystem::Lahiri, sky.used.node);
        if (!swiss) {
            return {};
        }
        const BodyEntry other = MakeBodyEntry(static_cast<BodySlot>(slot), swiss->longitude);
        if (builtIn.place.sign != other.place.sign) {
            warnings.push_back("The Swiss Ephemeris puts " + BodyInProse(slot, other) + " in " +
                               std::string(SignName(other)) + ", not " +
                               std::string(SignName(builtIn)));
        }
    }
    return warnings;
}

}  // namespace sarovin
