#include "houses/houses.h"

#include "drishti/graha_drishti.h"
#include "houses/bhava_dig_bala.h"

namespace sarovin {

namespace {

constexpr double SIGN_WIDTH = 30;

// Graha Drishti on houses, counted from the house each body stands in as
// the first, by the counts of the Graha Drishti tab; the S Node casts none.
void MarkGrahaDrishti(const std::array<int, BODY_COUNT>& bodyHouses, Houses& houses) {
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        for (const int count : GrahaAspectCounts(body)) {
            houses.list[(bodyHouses[body] + count - 1) % HOUSES].aspectedBy.set(body);
        }
    }
}

HouseRow MakeHouseRow(int house, const HouseBounds& bounds, const BodyTable& bodies,
                      const std::array<double, ASPECTING_PLANETS>& weights) {
    HouseRow row;
    row.number = house + 1;
    row.sign = static_cast<int>(bounds.madhya / SIGN_WIDTH);
    row.bounds = bounds;
    row.drishtiBala = ComputeBhavaDrishtiBala(bodies, weights, bounds.madhya);
    row.digBala = BhavaDigBala(row.number, bounds.madhya);
    return row;
}

}  // namespace

Houses ComputeHouses(HouseSystem system, const HouseFrame& frame, const BodyTable& bodies) {
    const std::array<double, ASPECTING_PLANETS> weights = BhavaDrishtiWeights(bodies);
    Houses houses{system, {}};
    for (int house = 0; house < HOUSES; ++house) {
        houses.list[house] = MakeHouseRow(house, frame[house], bodies, weights);
    }
    std::array<int, BODY_COUNT> bodyHouses{};
    for (int body = 0; body < BODY_COUNT; ++body) {
        bodyHouses[body] = HouseIndexOf(bodies.entries[body].longitude, frame);
        houses.list[bodyHouses[body]].occupants.set(body);
    }
    MarkGrahaDrishti(bodyHouses, houses);
    return houses;
}

}  // namespace sarovin
