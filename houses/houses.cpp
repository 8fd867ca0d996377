#include "houses/houses.h"

#include "drishti/graha_drishti.h"
#include "houses/bhava_dig_bala.h"

namespace sarovin {

namespace {

// Graha Drishti on houses, counted from the house each body stands in as
// the first, by the counts of the Graha Drishti tab; the S Node casts none.
void MarkGrahaDrishti(Houses& houses) {
    for (int body = 0; body < GRAHA_ROWS; ++body) {
        BodyHouses& place = houses.bodies[body];
        for (const int count : GrahaAspectCounts(body)) {
            const int aspected = (place.house + count - 2) % HOUSES + 1;
            place.aspected.push_back(aspected);
            houses.list[aspected - 1].aspectedBy.set(body);
        }
    }
}

HouseRow MakeHouseRow(int house, const HouseBounds& bounds, const BodyTable& bodies,
                      const std::array<double, ASPECTING_PLANETS>& weights) {
    HouseRow row;
    row.number = house + 1;
    row.sign = SignOf(bounds.madhya);
    row.bounds = bounds;
    row.drishtiBala = ComputeBhavaDrishtiBala(bodies, weights, bounds.madhya);
    row.digBala = ComputeBhavaDigBala(row.number, bounds.madhya);
    return row;
}

}  // namespace

Houses ComputeHouses(HouseSystem system, const HouseFrame& frame, const BodyTable& bodies) {
    const std::array<double, ASPECTING_PLANETS> weights = BhavaDrishtiWeights(bodies);
    Houses houses{system, {}};
    for (int house = 0; house < HOUSES; ++house) {
        houses.list[house] = MakeHouseRow(house, frame[house], bodies, weights);
    }
    for (int body = 0; body < BODY_COUNT; ++body) {
        const int house = HouseIndexOf(bodies.entries[body].longitude, frame);
        houses.bodies[body].house = house + 1;
        houses.list[house].occupants.set(body);
    }
    MarkGrahaDrishti(houses);
    return houses;
}

}  // namespace sarovin
