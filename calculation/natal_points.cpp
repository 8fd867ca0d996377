#include "calculation/natal_points.h"

namespace sarovin {

std::vector<NatalPoint> NatalPointsOf(const Calculation& calculation) {
    std::vector<NatalPoint> points;
    for (const BodyEntry& body : calculation.sky.bodies.entries) {
        points.push_back({body.englishName, body.longitude});
    }
    if (calculation.sky.lagna) {
        points.push_back({"Lagna", *calculation.sky.lagna});
    }
    if (calculation.houses) {
        for (const HouseRow& house : calculation.houses->list) {
            points.push_back({"House " + std::to_string(house.number), house.bounds.madhya});
        }
    }
    return points;
}

}  // namespace sarovin
