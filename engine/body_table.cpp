#include "engine/body_table.h"

#include <cmath>

#include "engine/civil_time.h"
#include "engine/lunar_nodes.h"
#include "engine/orbital_elements.h"
#include "engine/planet_longitude.h"
#include "engine/position_text.h"
#include "engine/runaway_guard.h"

namespace sarovin {

namespace {

struct BodyNames {
    const char* englishName;
    const char* vedicName;
};

constexpr std::array<BodyNames, BODY_COUNT> BODY_NAMES = {{
    {"Sun", "Surya"},
    {"Moon", "Chandra"},
    {"Mercury", "Budha"},
    {"Venus", "Shukra"},
    {"Mars", "Mangala"},
    {"Jupiter", "Guru"},
    {"Saturn", "Shani"},
    {"N Node", "Rahu"},
    {"S Node", "Ketu"},
}};

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

}  // namespace

BodyEntry MakeBodyEntry(BodySlot slot, double longitude) {
    const SignDms place = SplitSignDms(longitude);
    return {BODY_NAMES[slot].englishName, BODY_NAMES[slot].vedicName, longitude, place,
            ShortPositionOf(place)};
}

BodyTable ComputeBodyTable(const BirthRecord& record, double ayanamsa, double moonLongitude) {
    BodyTable table;
    const double dayNumber = PlanetsDayNumber(record);
    const double ayanamsaMagnitude = std::fabs(ayanamsa);
    const EclipticPoint earth = EarthPosition(dayNumber);
    for (const PlanetSlot& planet : PLANET_SLOTS) {
        table.entries[planet.slot] = MakeBodyEntry(
            planet.slot,
            SiderealPlanetLongitude(planet.planet, dayNumber, earth, ayanamsaMagnitude));
    }
    table.entries[Moon] = MakeBodyEntry(Moon, moonLongitude);
    const NodePositions nodes = NodeSiderealLongitudes(dayNumber, ayanamsaMagnitude);
    table.entries[NNode] = MakeBodyEntry(NNode, nodes.rahu);
    table.entries[SNode] = MakeBodyEntry(SNode, nodes.ketu);
    return table;
}

BodyTable ComputeBodyTable(const BirthRecord& record) {
    return ComputeBodyTable(record, ComputeBirthAyanamsa(record), ComputeMoonLongitude(record));
}

}  // namespace sarovin
