#include "engine/body_table.h"

#include <cmath>
#include <utility>

#include "engine/civil_time.h"
#include "engine/lunar_nodes.h"
#include "engine/orbital_elements.h"
#include "engine/planet_longitude.h"
#include "engine/position_text.h"
#include "engine/runaway_guard.h"

namespace sarovin {

namespace {

// The slots filled from the planet theory and the orbit each one uses.
struct PlanetSlot {
    BodySlot slot;
    PlanetIndex planet;
};

constexpr std::array<PlanetSlot, 6> PLANET_SLOTS = {{
    {Mercury, PlanetIndex::Mercury},
    {Venus, PlanetIndex::Venus},
    {Sun, PlanetIndex::Earth},
    {Mars, PlanetIndex::Mars},
    {Jupiter, PlanetIndex::Jupiter},
    {Saturn, PlanetIndex::Saturn},
}};

// The planets take the clock time plus the zone's signed corrections as
// their Universal Time, carried into the date; daylight saving is not used.
double PlanetsDayNumber(const BirthRecord& record) {
    CivilTime birth{record.year, record.month, record.day, record.hour, record.minute};
    birth = AddMinutes(birth, std::int64_t{record.zoneHoursToUt} * 60);
    birth = AddMinutes(birth, record.zoneMinutesToUt);
    return PlanetDayNumber(static_cast<int>(birth.year), birth.month, birth.day, birth.hour,
                           birth.minute);
}

double SiderealPlanetLongitude(PlanetIndex planet, double dayNumber, const EclipticPoint& earth,
                               double ayanamsa) {
    double longitude = GeocentricLongitude(planet, dayNumber, earth);
    longitude = GuardAgainstRunaway(longitude - ayanamsa);
    while (longitude < 0) {
        longitude += 360;
    }
    return longitude;
}

// Each entry made where it stays rather than made and then moved there.
template <std::size_t... SLOT>
BodyTable TableAt(const std::array<double, BODY_COUNT>& longitudes, std::index_sequence<SLOT...>) {
    return {{MakeBodyEntry(static_cast<BodySlot>(SLOT), longitudes[SLOT])...}};
}

}  // namespace

BodyEntry MakeBodyEntry(BodySlot slot, double longitude) {
    const SignDms place = SplitSignDms(longitude);
    return {std::string(SlotNames[slot].englishName), std::string(SlotNames[slot].vedicName),
            longitude, place, ShortPositionOf(place)};
}

BodyTable ComputeBodyTable(const BirthRecord& record, double ayanamsa, double moonLongitude) {
    std::array<double, BODY_COUNT> longitudes{};
    const double dayNumber = PlanetsDayNumber(record);
    const double ayanamsaMagnitude = std::fabs(ayanamsa);
    const EclipticPoint earth = EarthPosition(dayNumber);
    for (const PlanetSlot& planet : PLANET_SLOTS) {
        longitudes[planet.slot] =
            SiderealPlanetLongitude(planet.planet, dayNumber, earth, ayanamsaMagnitude);
    }
    longitudes[Moon] = moonLongitude;
    const NodePositions nodes = NodeSiderealLongitudes(dayNumber, ayanamsaMagnitude);
    longitudes[NNode] = nodes.rahu;
    longitudes[SNode] = nodes.ketu;
    return TableAt(longitudes, std::make_index_sequence<BODY_COUNT>{});
}

BodyTable ComputeBodyTable(const BirthRecord& record) {
    return ComputeBodyTable(record, ComputeBirthAyanamsa(record), ComputeMoonLongitude(record));
}

}  // namespace sarovin
