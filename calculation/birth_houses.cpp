#include "calculation/birth_houses.h"

#include "swiss/birth_moment.h"
#include "swiss/house_cusps.h"

namespace sarovin {

namespace {

Result<HouseFrame> LibraryFrame(const BirthRecord& record, const EphemerisChoice& choice) {
    const bool placidus = choice.houses == HouseSystem::Placidus;
    SwissRequest request = SwissRequestFor(record, choice.node);
    request.ayanamsa = choice.ayanamsa;
    const Result<SwissCusps> cusps =
        ComputeSwissCusps(request, placidus ? CuspSystem::Placidus : CuspSystem::Porphyry);
    if (!cusps) {
        return cusps.refusal();
    }
    return placidus ? PlacidusHouses(cusps->cusps) : SripatiHouses(cusps->cusps);
}

Result<HouseFrame> FrameOf(const BirthRecord& record, const EphemerisChoice& choice, double lagna) {
    switch (choice.houses) {
        case HouseSystem::Equal:
            return EqualHouses(lagna);
        case HouseSystem::WholeSign:
            return WholeSignHouses(lagna);
        case HouseSystem::Sripati:
        case HouseSystem::Placidus:
            break;
    }
    return LibraryFrame(record, choice);
}

}  // namespace

Result<std::optional<Houses>> ComputeBirthHouses(const BirthRecord& record,
                                                 const EphemerisChoice& choice, const Sky& sky) {
    if (!sky.lagna) {
        return std::optional<Houses>();
    }
    const Result<HouseFrame> frame = FrameOf(record, choice, *sky.lagna);
    if (!frame) {
        return frame.refusal();
    }
    return std::optional<Houses>(ComputeHouses(choice.houses, *frame, sky.bodies));
}

}  // namespace sarovin
