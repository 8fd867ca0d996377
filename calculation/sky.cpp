#include "calculation/sky.h"

#include <algorithm>
#include <cmath>

#include "engine/ayanamsa.h"
#include "engine/moon_position.h"
#include "swiss/birth_moment.h"

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
            MakeBodyEntry(static_cast<BodySlot>(slot), positions->longitudes[slot]);
    }
    sky.used = choice;
    sky.speeds.emplace();
    std::copy(positions->speeds.begin(), positions->speeds.end(), sky.speeds->begin());
    sky.ayanamsa = positions->ayanamsa;
    sky.universalTime = moment.civil;
    sky.swissRequest = request;
    sky.lagna = positions->lagna;
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
