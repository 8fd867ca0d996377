#include "calculation/sky.h"

#include <algorithm>
#include <cmath>

#include "engine/ayanamsa.h"
#include "engine/moon_position.h"
#include "swiss/birth_moment.h"
#include "zodiac/zodiac.h"

namespace sarovin {

namespace {

Sky BuiltInSky(const BirthRecord& record, Rules rules) {
    const double ayanamsa = ComputeBirthAyanamsa(record);
    Sky sky;
    sky.bodies = ComputeBodyTable(record, ayanamsa, ComputeMoonLongitude(record));
    sky.used = {.rules = rules};
    sky.ayanamsa = std::fabs(ayanamsa);
    return sky;
}

// The ephemeris's longitude of a body, or the given one; Ketu opposite the
// given Rahu.
double LongitudeOf(int slot, const SwissPositions& positions, const EphemerisChoice& choice) {
    if (!choice.given) {
        return positions.longitudes[static_cast<std::size_t>(slot)];
    }
    if (slot == SNode) {
        return ZodiacDegrees(choice.given->bodies[NNode] + 180);
    }
    return choice.given->bodies[static_cast<std::size_t>(slot)];
}

Result<Sky> SwissSky(const BirthRecord& record, const EphemerisChoice& choice) {
    const UniversalBirthMoment moment = SwissBirthMoment(record);
    SwissRequest request = SwissRequestAt(moment, record, choice.node);
    request.ayanamsa = choice.ayanamsa;
    const Result<SwissPositions> positions = ComputeSwissPositions(request);
    if (!positions) {
        return positions.refusal();
    }
    Sky sky;
    for (int slot = 0; slot < BODY_COUNT; ++slot) {
        sky.bodies.entries[slot] =
            MakeBodyEntry(static_cast<BodySlot>(slot), LongitudeOf(slot, *positions, choice));
    }
    sky.used = choice;
    sky.speeds.emplace();
    std::copy(positions->speeds.begin(), positions->speeds.end(), sky.speeds->begin());
    sky.ayanamsa = positions->ayanamsa;
    sky.universalTime = moment.civil;
    sky.swissRequest = request;
    sky.lagna = choice.given ? choice.given->lagna : positions->lagna;
    return sky;
}

}  // namespace

Result<Sky> ComputeSky(const BirthRecord& record, const EphemerisChoice& choice) {
    if (choice.ephemeris == Ephemeris::Swiss) {
        return SwissSky(record, choice);
    }
    return BuiltInSky(record, choice.rules);
}

bool IsRetrograde(const Sky& sky, int slot) {
    return sky.speeds && slot >= Mercury && slot <= Saturn &&
           (*sky.speeds)[static_cast<std::size_t>(slot)] < 0;
}

}  // namespace sarovin
