#include "calculation/birth_periods.h"

#include "engine/julian_day.h"
#include "engine/position_text.h"

namespace sarovin {

namespace {

constexpr double HOURS_PER_DAY = 24;
// A day number names the noon of its date; 0h is half a day before.
constexpr double NOON_TO_MIDNIGHT = 0.5;

}  // namespace

double BirthJulianDayUt(const BirthRecord& record, const Sky& sky) {
    if (sky.swissRequest) {
        return sky.swissRequest->julianDayUt;
    }
    return JulianDayNumber(record.month, record.day, record.year) - NOON_TO_MIDNIGHT +
           BirthUniversalTime(record) / HOURS_PER_DAY;
}

Vimshottari ComputeBirthDasha(const BirthRecord& record, const Sky& sky, DashaYear year) {
    return ComputeVimshottari(sky.bodies.entries[Moon].longitude, BirthJulianDayUt(record, sky),
                              year);
}

std::optional<Ashtakavarga> ComputeBirthAshtakavarga(const Sky& sky, AshtakavargaTables tables) {
    if (!sky.lagna) {
        return std::nullopt;
    }
    std::array<int, ASHTAKA_POINT_COUNT> signs{};
    for (int planet = 0; planet < ASHTAKA_PLANET_COUNT; ++planet) {
        const BodySlot slot = AshtakaPlanetSlots[static_cast<std::size_t>(planet)];
        signs[static_cast<std::size_t>(planet)] = sky.bodies.entries[slot].place.sign;
    }
    signs[static_cast<std::size_t>(AshtakaPoint::Lagna)] = SplitSignDms(*sky.lagna).sign;
    return ComputeAshtakavarga(signs, tables);
}

}  // namespace sarovin
