#include "calculation/birth_houses.h"

#include "swiss/house_cusps.h"

namespace sarovin {

namespace {

Result<HouseFrame> LibraryFrame(const SwissRequest& request, HouseSystem system) {
    const bool placidus = system == HouseSystem::Placidus;
    const Result<SwissCusps> cusps =
        ComputeSwissCusps(request, placidus ? CuspSystem::Placidus : CuspSystem::Porphyry);
    if (!cusps) {
        return cusps.refusal();
    }
    return placidus ? PlacidusHouses(cusps->cusps) : SripatiHouses(cusps->cusps);
}

// Given positions place the Sripati houses by their own Lagna and
// midheaven; Placidus needs the ephemeris's sky.
Result<HouseFrame> GivenFrame(const GivenPositions& given, HouseSystem system) {
    if (system == HouseSystem::Placidus) {
        return RefuseWith("Placidus houses cannot be placed from given positions");
    }
    return SripatiHouses(TrisectedQuadrants(given.lagna, given.midheaven));
}

Result<HouseFrame> FrameOf(const Sky& sky, HouseSystem system, double lagna) {
    const SwissRequest& request = *sky.swissRequest;
    switch (system) {
        case HouseSystem::Equal:
            return EqualHouses(lagna);
        case HouseSystem::WholeSign:
            return WholeSignHouses(lagna);
        case HouseSystem::Sripati:
        case HouseSystem::Placidus:
            break;
    }
    if (sky.used.given) {
        return GivenFrame(*sky.used.given, system);
    }
    return LibraryFrame(request, system);
}

}  // namespace

Result<std::optional<Houses>> ComputeBirthHouses(const Sky& sky) {
    if (!sky.lagna || !sky.swissRequest) {
        return std::optional<Houses>();
    }
    const Result<HouseFrame> frame = FrameOf(sky, sky.used.houses, *sky.lagna);
    if (!frame) {
        return frame.refusal();
    }
    return std::optional<Houses>(ComputeHouses(sky.used.houses, *frame, sky.bodies));
}

}  // namespace sarovin
